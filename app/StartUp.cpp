#include "app/StartUp.h"

#include "core/workflow/BirthDetailsRules.h"
#include "ui/base/Program.h"
#include "ui/base/UiText.h"
#include "ui/web/UpdateReminder.h"
#include "ui/workflow/OpenReading.h"
#include "ui/workflow/frmMain.h"

bool StartUp(Program& program, const std::optional<QString>& readingPath) {
    if (!program.services.instanceLock.tryLock()) {
        ShowNotice(program, nullptr, parsiva::AlreadyRunningMessage,
                   parsiva::NoticeIcon::Information);
        program.moves().CloseAllAndEnd();
        return false;
    }
    program.services.random.seedFromClock();
    RunUpdateReminder(program);
    program.moves().showMainForm();
    frmMain* form = program.newestWindow<frmMain>();
    CoBrand_Randomize(program, *form);
    if (readingPath)
        form->applyOpenedReading(OpenReadingFile(*readingPath));
    return true;
}

void CoBrand_Randomize(Program& program, frmMain& form) {
    program.intCoBrandRandomNumber = parsiva::CoBrandPick(program.services.random.next());
    form.bringPromotionToFront(parsiva::CoBrandFrontFor(program.intCoBrandRandomNumber));
}
