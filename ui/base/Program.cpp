#include "ui/base/Program.h"

Program::Program(const Services& services, QString applicationName)
    : services(services), applicationName(std::move(applicationName)) {}

Program::~Program() = default;

void Program::adoptWindow(QWidget* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_windows.removeAll(nullptr);
    m_windows.append(window);
}

QList<QWidget*> Program::openWindows() const {
    QList<QWidget*> open;
    for (const auto& window : m_windows) {
        // A closed window is hidden until its deletion comes round: it is no longer open.
        if (window && window->isVisible())
            open.append(window.data());
    }
    return open;
}

Moves& Program::moves() {
    Q_ASSERT_X(m_moves, "Program::moves", "no moves installed: call UseWindowMoves first");
    return *m_moves;
}

void Program::setMoves(std::unique_ptr<Moves> moves) {
    m_moves = std::move(moves);
}
