#include "platform/ReadingFiles.h"

#include "core/readings/ReadingFile.h"
#include "core/readings/ReadingTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// A reason the core marked for translation, in the interface's language.
QString Text(std::string_view reason) {
    return QCoreApplication::translate(std::string(parsiva::TextScope).c_str(),
                                       std::string(reason).c_str());
}

FileOutcome Failed(const QFileDevice& file) {
    return {false, file.errorString()};
}

} // namespace

bool WriteAllBytes(QIODevice& file, std::string_view bytes) {
    const auto size = static_cast<qint64>(bytes.size());
    return file.write(bytes.data(), size) == size;
}

FileOutcome SaveReadingFile(const QString& path, const parsiva::BirthDetails& details,
                            const ReadingFileWriter& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failed(file);
    for (const std::string& line : parsiva::ReadingFileLines(details)) {
        // Returning without commit() discards the temporary file.
        if (!write(file, line))
            return Failed(file);
    }
    // Qt 6.4's commit() puts the file in place even when writing out its last buffered bytes
    // fails (a full disk), so that failure is caught here first. A short write leaves Qt without
    // the system's reason; writing the rest once more either finishes or meets it.
    if (!file.flush() && !file.flush())
        return Failed(file);
    if (!file.commit())
        return Failed(file);
    return {true, {}};
}

ReadReadingResult ReadReadingFile(const QString& path) {
    const QFileInfo info(path);
    // Opening a pipe or a device can wait for ever; only a regular file holds a reading.
    if (info.exists() && !info.isFile())
        return {std::nullopt, Text(parsiva::NotAFileReason)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    bool readFailed = false;
    auto lines =
        parsiva::ReadReadingLines([&](std::span<char> buffer) -> std::optional<std::size_t> {
            const qint64 got = file.read(buffer.data(), static_cast<qint64>(buffer.size()));
            if (got < 0) {
                readFailed = true;
                return std::nullopt;
            }
            return static_cast<std::size_t>(got);
        });
    if (lines)
        return {std::move(lines), {}};
    return {std::nullopt, readFailed ? file.errorString() : Text(parsiva::NotAReadingFileReason)};
}

std::optional<QString> OpenChoiceProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return std::nullopt;
}

std::optional<QString> SaveChoiceProblem(const QString& path) {
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return Text(parsiva::MissingFolderReason);
    // The reading is written beside the file first and then put in its place.
    if (!folder.isWritable())
        return Text(parsiva::ReadOnlyFolderReason);
    if (info.exists() && !info.isDir() && !info.isWritable())
        return Text(parsiva::ReadOnlyFileReason);
    return std::nullopt;
}
