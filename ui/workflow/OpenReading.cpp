#include "ui/workflow/OpenReading.h"

#include "core/readings/ReadingTexts.h"
#include "platform/ReadingFiles.h"
#include "ui/base/Program.h"
#include "ui/base/UiText.h"

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
        parent, Translated(parsiva::OpenDialogTitle), Translated(parsiva::OpenDialogFilter),
        ToQString(parsiva::ReadingFileExtension));
    if (path.isEmpty())
        return std::nullopt;
    return OpenReadingFile(path);
}
