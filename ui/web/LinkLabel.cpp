#include "ui/web/LinkLabel.h"

#include <QMouseEvent>

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
