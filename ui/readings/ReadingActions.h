#pragma once

#include "core/readings/ReadingFile.h"
#include "core/signs/Classification.h"

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

// What Open found: the user cancelled, the file was refused before its lines could be read, or
// the lines it read with the list entries they match.
struct OpenedReadingFile {
    enum class Outcome { Cancelled, Refused, Read };
    Outcome outcome = Outcome::Cancelled;
    parsiva::OpenedReading reading; // when Read
};

// The birth-details form's Open: asks for a reading file and reads it; the form applies it.
OpenedReadingFile OpenReading(Program& program, QWidget* parent);

// The report window's Print: the whole report, never a selected part, on the default printer.
void PrintReport(Program& program, QTextEdit& RTB, QWidget* parent);
