#include "ui/readings/ReadingActions.h"

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
