#include "ui/base/UiText.h"

#include "core/workflow/WorkflowTexts.h"
#include "ui/base/Program.h"

#include <QDir>

void ShowNotice(Program& program, QWidget* parent, std::string_view message,
                parsiva::NoticeIcon icon) {
    program.services.messages.show(parent, ToQString(message), ToMessageIcon(icon),
                                   MessageButtons::Ok, ToQString(parsiva::ProgramTitle));
}

void ShowNotice(Program& program, QWidget* parent, std::string_view message,
                parsiva::NoticeIcon icon, const QString& detail) {
    program.services.messages.show(parent, ToQString(message) + QLatin1Char('\n') + detail,
                                   ToMessageIcon(icon), MessageButtons::Ok,
                                   ToQString(parsiva::ProgramTitle));
}

QString FileProblem(const QString& path, const QString& problem) {
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + problem;
}
