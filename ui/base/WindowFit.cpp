#include "ui/base/WindowFit.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace {

int HeightAt(QWidget& widget, int width) {
    const int height = widget.hasHeightForWidth() ? widget.heightForWidth(width) : -1;
    return height >= 0 ? height : widget.sizeHint().height();
}

// Follows the parent's size and direction for one control placed by hand.
class HandPlacement final : public QObject {
public:
    HandPlacement(QWidget& control, const QRect& fromLeadingEdge)
        : QObject(&control), m_control(&control), m_rect(fromLeadingEdge) {
        control.parentWidget()->installEventFilter(this);
        place();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutDirectionChange)
            place();
        return QObject::eventFilter(watched, event);
    }

private:
    void place() {
        QWidget* parent = m_control->parentWidget();
        m_control->setGeometry(
            QStyle::visualRect(parent->layoutDirection(), parent->rect(), m_rect));
    }

    QWidget* m_control;
    QRect m_rect;
};

// The part of the window that holds its controls, below any menu bar.
QWidget* ContentsOf(QWidget& window) {
    if (auto* main = qobject_cast<QMainWindow*>(&window))
        return main->centralWidget();
    return &window;
}

int MenuHeight(QWidget& window, int width) {
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        if (QWidget* bar = main->menuWidget())
            return HeightAt(*bar, width);
    }
    return 0;
}

// The window manager's frame round a window, not known before the window is shown: the style's
// title bar and frame stand in for it.
QSize FrameAllowance(QWidget& window) {
    const QStyle* style = window.style();
    const int frame = 2 * style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
    const int titleBar = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return {frame, frame + titleBar};
}

// The screen's free area, where the window may lie with its frame.
QRect FreeArea(QWidget& window) {
    const QScreen* screen = window.screen();
    return screen ? screen->availableGeometry() : QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

QSize Room(QWidget& window) {
    const QSize free = FreeArea(window).size() - FrameAllowance(window);
    return {std::max(1, free.width()), std::max(1, free.height())};
}

// Moves the window's controls into a frameless scroll area that takes their place, so that
// what does not fit the screen is scrolled to instead of lying off it.
QScrollArea* ScrollContents(QWidget& window) {
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrollToFit"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        QWidget* central = main->takeCentralWidget();
        scroll->setWidget(central);
        main->setCentralWidget(scroll);
        return scroll;
    }
    auto* contents = new QWidget;
    contents->setObjectName(QStringLiteral("scrolledContents"));
    // A layout set on another widget moves there, and takes the controls it lays out along.
    contents->setLayout(window.layout());
    scroll->setWidget(contents);
    auto* holder = new QVBoxLayout(&window);
    holder->setContentsMargins(0, 0, 0, 0);
    holder->addWidget(scroll);
    return scroll;
}

} // namespace

void PlaceByHand(QWidget& control, const QRect& fromLeadingEdge) {
    new HandPlacement(control, fromLeadingEdge);
}

void FitWindowToTexts(QWidget& window) {
    window.ensurePolished();
    if (QLayout* layout = window.layout())
        layout->activate();
    const int width = std::max(window.minimumSizeHint().width(), window.minimumWidth());
    const int height = HeightAt(*ContentsOf(window), width) + MenuHeight(window, width);
    const QSize room = Room(window);
    if (width <= room.width() && height <= room.height()) {
        window.setMinimumSize(width, height);
        window.resize(width, height);
        return;
    }

    // Too big for this screen: the window takes what the screen offers, and its controls
    // scroll within it, their texts wrapped to the width there is.
    QScrollArea* scroll = ScrollContents(window);
    QWidget* contents = scroll->widget();
    window.setMinimumSize(0, 0);
    contents->ensurePolished();
    if (QLayout* layout = contents->layout())
        layout->activate();
    const int across = std::min(width, room.width());
    const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    const int leastAcross = contents->minimumSizeHint().width();
    // A scroll bar across takes height from the view, one down takes width.
    int down = HeightAt(*contents, std::max(leastAcross, across)) + MenuHeight(window, across) +
               (leastAcross > across ? bar : 0);
    if (down > room.height()) {
        const int narrower = std::max(leastAcross, across - bar);
        down = std::min(HeightAt(*contents, narrower) + MenuHeight(window, across) +
                            (leastAcross > across - bar ? bar : 0),
                        room.height());
    }
    window.setMinimumSize(across, down);
    window.resize(across, down);
    // A window that fills the screen is placed in its middle: left to a window manager's own
    // placement, its edge could fall off the screen.
    const QRect free = FreeArea(window);
    const QSize framed = window.size() + FrameAllowance(window);
    window.move(free.x() + std::max(0, (free.width() - framed.width()) / 2),
                free.y() + std::max(0, (free.height() - framed.height()) / 2));
}
