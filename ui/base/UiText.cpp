#include "ui/base/UiText.h"

#include "core/workflow/WorkflowTexts.h"
#include "ui/base/Program.h"

void ShowNotice(Program& program, QWidget* parent, std::string_view message,
                parsiva::NoticeIcon icon) {
    program.services.messages.show(parent, ToQString(message), ToMessageIcon(icon),
                                   MessageButtons::Ok, ToQString(parsiva::ProgramTitle));
}
