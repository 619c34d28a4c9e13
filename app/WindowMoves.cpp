#include "app/WindowMoves.h"

#include "ui/base/Program.h"
#include "ui/readings/frmSave.h"
#include "ui/web/frmAbout.h"
#include "ui/web/frmExitScreen.h"
#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"

#include <memory>

void WindowMoves::showResultForm() {
    auto* result = new frmIranianAstrologyResult(m_program);
    m_program.adoptWindow(result);
    result->showReading(m_program.readingResult);
    result->show();
}

void WindowMoves::showMainForm() {
    auto* form = new frmMain(m_program);
    m_program.adoptWindow(form);
    form->show();
    form->activateWindow();
}

void WindowMoves::showReport(QWidget& resultWindow, const parsiva::ResultCaptions& captions) {
    auto* report = new frmSave(m_program, resultWindow, captions);
    m_program.adoptWindow(report);
    // Modal; exec() deletes the window on return, as adoption asks for delete-on-close.
    report->exec();
}

void WindowMoves::showAboutBox() {
    // Modal with no owner: the calling window waits until the box is closed.
    frmAbout about(m_program);
    about.exec();
}

void WindowMoves::runExitPath() {
    if (m_program.ending)
        return;
    ShowExitScreen(m_program);
}

void WindowMoves::CloseAllAndEnd() {
    if (m_program.ending)
        return;
    m_program.ending = true;
    for (QWidget* window : m_program.openWindows()) {
        // One window failing to close must not keep the others open or the run going.
        try {
            window->close();
        } catch (...) {
        }
    }
    m_program.services.process.end();
}

void UseWindowMoves(Program& program) {
    program.setMoves(std::make_unique<WindowMoves>(program));
}
