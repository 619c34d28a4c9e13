#include "ui/workflow/StartUp.h"

#include "core/workflow/BirthDetailsRules.h"
#include "ui/readings/ReadingActions.h"
#include "ui/web/UpdateReminder.h"
#include "ui/web/frmExitScreen.h"
#include "ui/workflow/Program.h"
#include "ui/workflow/UiText.h"
#include "ui/workflow/frmMain.h"

void ShowNotice(Program& program, QWidget* parent, std::string_view message,
                parsiva::NoticeIcon icon) {
    program.services.messages.show(parent, ToQString(message), ToMessageIcon(icon),
                                   MessageButtons::Ok, ToQString(parsiva::ProgramTitle));
}

bool StartUp(Program& program, const std::optional<QString>& readingPath) {
    if (!program.services.instanceLock.tryLock()) {
        ShowNotice(program, nullptr, parsiva::AlreadyRunningMessage,
                   parsiva::NoticeIcon::Information);
        CloseAllAndEnd(program);
        return false;
    }
    program.services.random.seedFromClock();
    RunUpdateReminder(program);
    frmMain* form = ShowMainForm(program);
    CoBrand_Randomize(program, *form);
    if (readingPath)
        form->applyOpenedReading(OpenReadingFile(*readingPath));
    return true;
}

void CoBrand_Randomize(Program& program, frmMain& form) {
    program.intCoBrandRandomNumber = parsiva::CoBrandPick(program.services.random.next());
    form.bringPromotionToFront(parsiva::CoBrandFrontFor(program.intCoBrandRandomNumber));
}

frmMain* ShowMainForm(Program& program) {
    auto* form = new frmMain(program);
    program.adoptWindow(form);
    form->show();
    form->activateWindow();
    return form;
}

void RunExitPath(Program& program) {
    if (program.ending)
        return;
    ShowExitScreen(program);
}

void CloseAllAndEnd(Program& program) {
    if (program.ending)
        return;
    program.ending = true;
    for (QWidget* window : program.openWindows()) {
        // One window failing to close must not keep the others open or the run going.
        try {
            window->close();
        } catch (...) {
        }
    }
    program.services.process.end();
}
