#include "readings/ReadingActions.h"

#include "readings/ReadingFile.h"
#include "readings/ReadingTexts.h"
#include "workflow/Program.h"
#include "workflow/UiText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextEdit>

namespace {
void showCritical(Program& program, QWidget* parent, std::string_view message) {
    ShowNotice(program, parent, message, parsiva::NoticeIcon::Critical);
}
} // namespace

bool WriteAllBytes(QIODevice& file, std::string_view bytes) {
    const auto size = static_cast<qint64>(bytes.size());
    return file.write(bytes.data(), size) == size;
}

bool SaveReadingFile(const QString& path, const parsiva::BirthDetails& details,
                     const ReadingFileWriter& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const std::string& line : parsiva::ReadingFileLines(details)) {
        // Returning without commit() discards the temporary file.
        if (!write(file, line))
            return false;
    }
    // Qt 6.4's commit() puts the file in place even when writing out its last buffered bytes
    // fails (a full disk), so that failure is caught here first.
    if (!file.flush())
        return false;
    return file.commit();
}

std::optional<std::array<std::string, 4>> ReadReadingFile(const QString& path) {
    // Opening a pipe or a device can wait for ever; only a regular file holds a reading.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parsiva::ReadReadingLines([&file](std::span<char> buffer) -> std::optional<std::size_t> {
        const qint64 got = file.read(buffer.data(), static_cast<qint64>(buffer.size()));
        if (got < 0)
            return std::nullopt;
        return static_cast<std::size_t>(got);
    });
}

void SaveReading(Program& program, QWidget* parent) {
    // The file format stays as stored files know it, so a loss is announced, not avoided.
    const std::string& name = program.birthDetails.Name;
    const std::string readBack = parsiva::NameAsReadBack(name);
    if (readBack != name &&
        program.services.messages.show(parent, ToQString(parsiva::NameLossQuestion(readBack)),
                                       MessageIcon::Information, MessageButtons::YesNo,
                                       ToQString(parsiva::ProgramTitle)) != MessageAnswer::Yes)
        return;
    const QString path = program.services.fileDialogs.getSaveFileName(
        parent, ToQString(parsiva::SaveDialogTitle), ToQString(parsiva::SaveDialogFilter),
        ToQString(parsiva::ReadingFileExtension));
    if (path.isEmpty())
        return;
    if (!SaveReadingFile(path, program.birthDetails))
        showCritical(program, parent, parsiva::ReadingNotSavedMessage);
}

OpenedReadingFile OpenReadingFile(const QString& path) {
    if (!parsiva::HasReadingFileEnding(ToStdString(path)))
        return {};
    const auto lines = ReadReadingFile(path);
    if (!lines)
        return {};
    return {parsiva::InterpretReadingLines(*lines)};
}

std::optional<OpenedReadingFile> OpenReading(Program& program, QWidget* parent) {
    const QString path = program.services.fileDialogs.getOpenFileName(
        parent, ToQString(parsiva::OpenDialogTitle), ToQString(parsiva::OpenDialogFilter),
        ToQString(parsiva::ReadingFileExtension));
    if (path.isEmpty())
        return std::nullopt;
    return OpenReadingFile(path);
}

void PrintReport(Program& program, QTextEdit& RTB, QWidget* parent) {
    QTextCursor cursor = RTB.textCursor();
    cursor.clearSelection();
    RTB.setTextCursor(cursor);
    if (!program.services.printer.print(*RTB.document()))
        showCritical(program, parent, parsiva::ReportNotPrintedMessage);
}
