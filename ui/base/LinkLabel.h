#pragma once

#include "ui/base/WrappedLabel.h"

// A text label that looks and acts as a hyperlink: blue (or, on a window too dark for blue, a link
// colour that can be read there), a hand pointer, underlined while the
// pointer is over it, and a click anywhere in its rectangle (margins included) emits clicked().
// Tab reaches it, Enter or Space then emits clicked(), and it shows a focus frame meanwhile.
class LinkLabel : public WrappedLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void takeReadableColour();

    bool m_pressed = false;
};
