#include "ui/base/TextListBox.h"

#include <QAbstractItemModel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// How far short of the widest advance a text's ink may still reach past it.
constexpr qreal NearTheWidest = 4;

} // namespace

TextListBox::TextListBox(QWidget* parent) : QComboBox(parent) {
    QAbstractItemModel* items = model();
    connect(items, &QAbstractItemModel::rowsInserted, this, &TextListBox::forget);
    connect(items, &QAbstractItemModel::rowsRemoved, this, &TextListBox::forget);
    connect(items, &QAbstractItemModel::dataChanged, this, &TextListBox::forget);
    connect(items, &QAbstractItemModel::modelReset, this, &TextListBox::forget);
}

void TextListBox::forget() {
    m_widest = -1;
}

int TextListBox::widestText() const {
    if (m_widest >= 0 && m_widestFont == font())
        return m_widest;
    QStringList texts;
    texts.reserve(count());
    for (int i = 0; i < count(); ++i)
        texts << itemText(i);
    QTextLayout layout(texts.join(QChar::LineSeparator), font(), const_cast<TextListBox*>(this));
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    std::vector<qreal> advances;
    advances.reserve(static_cast<std::size_t>(texts.size()));
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(QWIDGETSIZE_MAX);
        advances.push_back(line.naturalTextWidth());
    }
    layout.endLayout();
    // QComboBox measures a text by its ink, which may stand a pixel or two past its advance:
    // the few texts whose advance comes near the widest are measured again that way.
    const qreal widest = advances.empty() ? 0 : *std::max_element(advances.begin(), advances.end());
    const QFontMetrics metrics = fontMetrics();
    int measured = 0;
    for (std::size_t i = 0; i < advances.size() && i < static_cast<std::size_t>(texts.size());
         ++i) {
        if (advances[i] >= widest - NearTheWidest)
            measured = std::max(measured, metrics.boundingRect(texts[static_cast<int>(i)]).width());
    }
    m_widest = measured;
    m_widestFont = font();
    return m_widest;
}

QSize TextListBox::sizeHint() const {
    // QComboBox's own sum: an empty list is seven x's wide; the height is the font's, at least 14
    // pixels, and two more; the style adds the frame and the arrow.
    const QFontMetrics metrics = fontMetrics();
    const int across =
        count() == 0 ? 7 * metrics.horizontalAdvance(QLatin1Char('x')) : widestText();
    const int down = std::max(static_cast<int>(std::ceil(QFontMetricsF(metrics).height())), 14) + 2;
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(across, down), this);
}

QSize TextListBox::minimumSizeHint() const {
    return sizeHint();
}
