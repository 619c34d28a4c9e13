#include "ui/base/WindowFit.h"

#include <QLayout>
#include <QMainWindow>
#include <QWidget>

#include <algorithm>

namespace {

int HeightAt(QWidget& widget, int width) {
    const int height = widget.hasHeightForWidth() ? widget.heightForWidth(width) : -1;
    return height >= 0 ? height : widget.sizeHint().height();
}

} // namespace

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
