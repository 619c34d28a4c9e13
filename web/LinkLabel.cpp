#include "web/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

void SetUnderline(QLabel& label, bool on) {
    QFont font = label.font();
    font.setUnderline(on);
    label.setFont(font);
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    QPalette links = palette();
    links.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(links);
    // Opaque, so that of two labels laid one over the other only the front one is seen.
    setAutoFillBackground(true);
    // Tab only: a click opens the page and leaves the keyboard where the person was typing.
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    SetUnderline(*this, true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    SetUnderline(*this, false);
    QLabel::leaveEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        event->modifiers() == Qt::NoModifier) {
        // Held down, the key would open the page once per repeat.
        if (!event->isAutoRepeat())
            emit clicked();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}
