#include "ui/base/LinkLabel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

namespace {

void SetUnderline(QLabel& label, bool on) {
    QFont font = label.font();
    font.setUnderline(on);
    label.setFont(font);
}

// Relative luminance and contrast ratio as WCAG defines them.
double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// Normal text needs 4.5:1 to be read easily.
constexpr double ReadableContrast = 4.5;

// Links are pure blue, as on the desktops they were made for. Behind blue a dark window swallows
// it; there the desktop's own link colour is taken, brought towards its text colour as far as
// it takes to be read.
QColor ReadableLinkColour(const QPalette& around) {
    const QColor behind = around.color(QPalette::Window);
    const QColor blue(0, 0, 255);
    if (Contrast(blue, behind) >= ReadableContrast)
        return blue;
    const QColor link = around.color(QPalette::Link).toRgb();
    const QColor text = around.color(QPalette::WindowText).toRgb();
    constexpr int Steps = 10;
    for (int step = 0; step < Steps; ++step) {
        const auto mix = [step](float from, float to) { return from + (to - from) * step / Steps; };
        const QColor candidate =
            QColor::fromRgbF(mix(link.redF(), text.redF()), mix(link.greenF(), text.greenF()),
                             mix(link.blueF(), text.blueF()));
        if (Contrast(candidate, behind) >= ReadableContrast)
            return candidate;
    }
    return text;
}

} // namespace

void LinkLabel::takeReadableColour() {
    const QPalette around =
        parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    const QColor colour = ReadableLinkColour(around);
    if (palette().color(QPalette::WindowText) == colour)
        return;
    QPalette links = palette();
    links.setColor(QPalette::WindowText, colour);
    setPalette(links);
}

void LinkLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // A desktop that turns dark while the program runs changes the window behind the link.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
        takeReadableColour();
}

LinkLabel::LinkLabel(QWidget* parent) : WrappedLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    takeReadableColour();
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
    WrappedLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}
