#pragma once

#include "readings/ReadingFile.h"
#include "signs/Classification.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class Program;
class QIODevice;
class QTextEdit;
class QWidget;

// Writes one piece of a reading file; false when the write failed.
using ReadingFileWriter = std::function<bool(QIODevice& file, std::string_view bytes)>;
bool WriteAllBytes(QIODevice& file, std::string_view bytes);

// Writes the reading file through a temporary file that replaces path only once complete, so a
// failure leaves any earlier file untouched and nothing half-written behind.
bool SaveReadingFile(const QString& path, const parsiva::BirthDetails& details,
                     const ReadingFileWriter& write = WriteAllBytes);

// The first four lines of a reading file, still encoded; none when it cannot be read or is bad.
std::optional<std::array<std::string, 4>> ReadReadingFile(const QString& path);

// The report window's Save: asks for a file and writes BirthDetails into it.
void SaveReading(Program& program, QWidget* parent);

// What a reading file gives the birth-details form to apply.
struct OpenedReadingFile {
    // The decoded lines and where they stand in the lists; none when the file could not be read.
    std::optional<parsiva::OpenedReading> Read;
    // Only a file that was read and whose date lines all match leads to Proceed; anything else
    // is refused with "Please Check The File.".
    bool Accepted() const { return Read && Read->AllDateLinesMatch(); }
};

// Checks the "zod" ending, reads the file bounded and decodes it; opens no window.
OpenedReadingFile OpenReadingFile(const QString& path);

// The birth-details form's Open: asks for a file and opens it; none when the user cancels.
std::optional<OpenedReadingFile> OpenReading(Program& program, QWidget* parent);

// The report window's Print: the whole report, never a selected part, on the default printer.
void PrintReport(Program& program, QTextEdit& RTB, QWidget* parent);
