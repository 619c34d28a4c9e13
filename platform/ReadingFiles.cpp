#include "platform/ReadingFiles.h"

#include "core/readings/ReadingFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

std::optional<parsiva::EncodedReadingLines> ReadReadingFile(const QString& path) {
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
