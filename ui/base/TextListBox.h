#pragma once

#include <QComboBox>
#include <QFont>
#include <QSize>

// A combo box of plain texts, sized as QComboBox sizes one, that measures its texts in a single
// text layout, one line each. QComboBox shapes each text on its own, for its size and again for
// its least size; the year list holds 151 of them, and Persian digits cost twice what Latin ones
// do to shape.
class TextListBox : public QComboBox {
    Q_OBJECT
public:
    explicit TextListBox(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The width of the widest text, as QFontMetrics::boundingRect gives it.
    int widestText() const;

private:
    void forget();

    mutable int m_widest = -1;
    mutable QFont m_widestFont;
};
