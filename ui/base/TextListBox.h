#pragma once

#include <QComboBox>
#include <QFont>
#include <QSize>

class QStyle;

// A combo box of plain texts that works its size out once for the texts it holds. QComboBox
// measures every text again each time its hint is forgotten, and once more for its least size,
// which for these lists is the same; the year list holds 151 texts, and Persian digits cost
// twice what Latin ones do to shape.
class TextListBox : public QComboBox {
    Q_OBJECT
public:
    explicit TextListBox(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    void forget();

    mutable QSize m_size;
    mutable QFont m_sizeFont;
    mutable const QStyle* m_sizeStyle = nullptr;
};
