#pragma once

#include "core/readings/ReadingFile.h"
#include "core/signs/Classification.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QIODevice;

// Whether a file operation worked, and if not, why: the system's own words where it gives any.
struct FileOutcome {
    bool ok = false;
    QString problem;
    explicit operator bool() const { return ok; }
};

// Writes one piece of a reading file; false when the write failed.
using ReadingFileWriter = std::function<bool(QIODevice& file, std::string_view bytes)>;
bool WriteAllBytes(QIODevice& file, std::string_view bytes);

// Writes the reading file through a temporary file that replaces path only once complete, so a
// failure leaves any earlier file untouched and nothing half-written behind.
FileOutcome SaveReadingFile(const QString& path, const parsiva::BirthDetails& details,
                            const ReadingFileWriter& write = WriteAllBytes);

// The lines of a reading file, still encoded; none when the file cannot be read or is not a
// reading file, with the reason in problem.
struct ReadReadingResult {
    std::optional<parsiva::EncodedReadingLines> lines;
    QString problem;
};
ReadReadingResult ReadReadingFile(const QString& path);

// Why an existing file chosen in the open dialog cannot be read; none when it can, or when it
// does not exist (the dialog says so itself) or is no regular file (opening it says so).
std::optional<QString> OpenChoiceProblem(const QString& path);
// Why a reading cannot be saved at path, chosen in the save dialog: a missing or write-protected
// folder, or a read-only file; none when it can be tried.
std::optional<QString> SaveChoiceProblem(const QString& path);
