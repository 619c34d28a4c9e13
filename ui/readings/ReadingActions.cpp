#include "ui/readings/ReadingActions.h"

#include "core/readings/ReadingFile.h"
#include "core/readings/ReadingTexts.h"
#include "platform/ReadingFiles.h"
#include "ui/base/Program.h"
#include "ui/base/UiText.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

namespace {
void ShowCritical(Program& program, QWidget* parent, std::string_view message,
                  const QString& detail) {
    ShowNotice(program, parent, message, parsiva::NoticeIcon::Critical, detail);
}
} // namespace

void SaveReading(Program& program, QWidget* parent) {
    // A read-only file stays as its owner protected it, even where its folder would let the
    // reading replace it.
    const auto writable = [&program](QWidget* dialog, const QString& path) {
        const std::optional<QString> problem = SaveChoiceProblem(path);
        if (problem)
            ShowCritical(program, dialog, parsiva::ReadingNotSavedMessage,
                         FileProblem(path, *problem));
        return !problem;
    };
    const QString path = program.services.fileDialogs.getSaveFileName(
        parent, Translated(parsiva::SaveDialogTitle), Translated(parsiva::SaveDialogFilter),
        ToQString(parsiva::ReadingFileExtension), writable);
    if (path.isEmpty())
        return;
    if (const FileOutcome saved = SaveReadingFile(path, program.birthDetails); !saved)
        ShowCritical(program, parent, parsiva::ReadingNotSavedMessage,
                     FileProblem(path, saved.problem));
}

void PrintReport(Program& program, QTextEdit& RTB, QWidget* parent) {
    // Clearing the selection moves the view to the caret; the reader stays where they were.
    QScrollBar* across = RTB.horizontalScrollBar();
    QScrollBar* down = RTB.verticalScrollBar();
    const int acrossAt = across->value();
    const int downAt = down->value();
    QTextCursor cursor = RTB.textCursor();
    cursor.clearSelection();
    RTB.setTextCursor(cursor);
    across->setValue(acrossAt);
    down->setValue(downAt);
    const PrintOutcome printed = program.services.printer.print(*RTB.document());
    if (printed)
        return;
    if (printed.problem.isEmpty())
        ShowNotice(program, parent, parsiva::ReportNotPrintedMessage,
                   parsiva::NoticeIcon::Critical);
    else
        ShowCritical(program, parent, parsiva::ReportNotPrintedMessage, printed.problem);
}
