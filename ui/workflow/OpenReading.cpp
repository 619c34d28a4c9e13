#include "ui/workflow/OpenReading.h"

#include "core/readings/ReadingTexts.h"
#include "platform/ReadingFiles.h"
#include "ui/base/Program.h"
#include "ui/base/UiText.h"

OpenedReadingFile OpenReadingFile(const QString& path) {
    if (!parsiva::HasReadingFileEnding(ToStdString(path)))
        return {path, std::nullopt, Translated(parsiva::NotAReadingFileNameReason)};
    const ReadReadingResult read = ReadReadingFile(path);
    if (!read.lines)
        return {path, std::nullopt, read.problem};
    OpenedReadingFile opened{path, parsiva::InterpretReadingLines(*read.lines), {}};
    if (!opened.accepted())
        opened.problem = Translated(parsiva::NotAReadingFileReason);
    return opened;
}

std::optional<OpenedReadingFile> OpenReading(Program& program, QWidget* parent) {
    // Opening only reads, so a file the person may read but not change opens like any other.
    const auto readable = [&program](QWidget* dialog, const QString& path) {
        const std::optional<QString> problem = OpenChoiceProblem(path);
        if (problem)
            ShowNotice(program, dialog, parsiva::CheckTheFileMessage, parsiva::NoticeIcon::Critical,
                       FileProblem(path, *problem));
        return !problem;
    };
    const QString path = program.services.fileDialogs.getOpenFileName(
        parent, Translated(parsiva::OpenDialogTitle), Translated(parsiva::OpenDialogFilter),
        ToQString(parsiva::ReadingFileExtension), readable);
    if (path.isEmpty())
        return std::nullopt;
    return OpenReadingFile(path);
}
