#include "ui/base/TextListBox.h"

#include <QAbstractItemModel>

TextListBox::TextListBox(QWidget* parent) : QComboBox(parent) {
    QAbstractItemModel* items = model();
    connect(items, &QAbstractItemModel::rowsInserted, this, &TextListBox::forget);
    connect(items, &QAbstractItemModel::rowsRemoved, this, &TextListBox::forget);
    connect(items, &QAbstractItemModel::dataChanged, this, &TextListBox::forget);
    connect(items, &QAbstractItemModel::modelReset, this, &TextListBox::forget);
}

void TextListBox::forget() {
    m_size = QSize();
}

QSize TextListBox::sizeHint() const {
    if (!m_size.isValid() || m_sizeFont != font() || m_sizeStyle != style()) {
        m_size = QComboBox::sizeHint();
        m_sizeFont = font();
        m_sizeStyle = style();
    }
    return m_size;
}

QSize TextListBox::minimumSizeHint() const {
    // QComboBox's least size differs from its hint only when it is told a least text length.
    if (minimumContentsLength() > 0 || sizeAdjustPolicy() != QComboBox::AdjustToContentsOnFirstShow)
        return QComboBox::minimumSizeHint();
    return sizeHint();
}
