#pragma once

#include "core/readings/ReadingFile.h"
#include "core/signs/Classification.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QIODevice;

// Writes one piece of a reading file; false when the write failed.
using ReadingFileWriter = std::function<bool(QIODevice& file, std::string_view bytes)>;
bool WriteAllBytes(QIODevice& file, std::string_view bytes);

// Writes the reading file through a temporary file that replaces path only once complete, so a
// failure leaves any earlier file untouched and nothing half-written behind.
bool SaveReadingFile(const QString& path, const parsiva::BirthDetails& details,
                     const ReadingFileWriter& write = WriteAllBytes);

// The lines of a reading file, still encoded; none when it cannot be read or is bad.
std::optional<parsiva::EncodedReadingLines> ReadReadingFile(const QString& path);
