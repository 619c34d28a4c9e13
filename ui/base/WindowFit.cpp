#include "ui/base/WindowFit.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QStyle>
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

} // namespace

void PlaceByHand(QWidget& control, const QRect& fromLeadingEdge) {
    new HandPlacement(control, fromLeadingEdge);
}

void FitWindowToTexts(QWidget& window) {
    window.ensurePolished();
    if (QLayout* layout = window.layout())
        layout->activate();
    const int width = std::max(window.minimumSizeHint().width(), window.minimumWidth());
    int height = 0;
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        // The main window's own layout knows nothing of heights for widths: ask its parts.
        height = HeightAt(*main->centralWidget(), width);
        if (QWidget* bar = main->menuWidget())
            height += HeightAt(*bar, width);
    } else {
        height = HeightAt(window, width);
    }
    window.setMinimumSize(width, height);
    window.resize(width, height);
}
