#include "ui/readings/ReadingActions.h"

#include "core/readings/ReadingFile.h"
#include "core/readings/ReadingTexts.h"
#include "platform/ReadingFiles.h"
#include "ui/base/Program.h"
#include "ui/base/UiText.h"

#include <QTextCursor>
#include <QTextEdit>

namespace {
void showCritical(Program& program, QWidget* parent, std::string_view message) {
    ShowNotice(program, parent, message, parsiva::NoticeIcon::Critical);
}
} // namespace

void SaveReading(Program& program, QWidget* parent) {
    // The file format stays as stored files know it, so a loss is announced, not avoided.
    const std::string& name = program.birthDetails.Name;
    const std::string readBack = parsiva::NameAsReadBack(name);
    if (readBack != name &&
        program.services.messages.show(parent, ToQString(parsiva::NameLossQuestion(readBack)),
                                       MessageIcon::Information, MessageButtons::YesNo,
                                       ShownProgramTitle()) != MessageAnswer::Yes)
        return;
    const QString path = program.services.fileDialogs.getSaveFileName(
        parent, Translated(parsiva::SaveDialogTitle), Translated(parsiva::SaveDialogFilter),
        ToQString(parsiva::ReadingFileExtension));
    if (path.isEmpty())
        return;
    if (!SaveReadingFile(path, program.birthDetails))
        showCritical(program, parent, parsiva::ReadingNotSavedMessage);
}

void PrintReport(Program& program, QTextEdit& RTB, QWidget* parent) {
    QTextCursor cursor = RTB.textCursor();
    cursor.clearSelection();
    RTB.setTextCursor(cursor);
    if (!program.services.printer.print(*RTB.document()))
        showCritical(program, parent, parsiva::ReportNotPrintedMessage);
}
