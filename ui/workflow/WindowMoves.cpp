#include "ui/workflow/WindowMoves.h"

#include "ui/readings/frmSave.h"
#include "ui/workflow/Program.h"
#include "ui/workflow/StartUp.h"
#include "ui/workflow/frmIranianAstrologyResult.h"

#include <memory>

void WindowMoves::ShowResultForm() {
    auto* result = new frmIranianAstrologyResult(m_program);
    m_program.adoptWindow(result);
    result->showReading(m_program.readingResult);
    result->show();
}

void WindowMoves::ShowMainForm() {
    ::ShowMainForm(m_program);
}

void WindowMoves::ShowReport(QWidget& resultWindow, const parsiva::ResultCaptions& captions) {
    auto* report = new frmSave(m_program, resultWindow, captions);
    m_program.adoptWindow(report);
    // Modal; exec() deletes the window on return, as adoption asks for delete-on-close.
    report->exec();
}

void WindowMoves::RunExitPath() {
    ::RunExitPath(m_program);
}

void WindowMoves::CloseAllAndEnd() {
    ::CloseAllAndEnd(m_program);
}

void UseWindowMoves(Program& program) {
    program.setMoves(std::make_unique<WindowMoves>(program));
}
