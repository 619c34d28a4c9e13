#pragma once

#include "core/readings/ReadingFile.h"

#include <QString>

#include <optional>

class Program;
class QWidget;

// What a reading file gives the birth-details form to apply.
struct OpenedReadingFile {
    QString path;
    // The decoded lines and where they stand in the lists; none when the file could not be read.
    std::optional<parsiva::OpenedReading> read;
    // Why the file is refused; empty when it is accepted.
    QString problem;
    // Only a file that was read and whose date lines all match leads to Proceed; anything else
    // is refused with "Please Check The File.".
    bool accepted() const { return read && read->AllDateLinesMatch(); }
};

// Checks the "zod" ending, reads the file bounded and decodes it; opens no window.
OpenedReadingFile OpenReadingFile(const QString& path);

// The birth-details form's Open: asks for a file and opens it; none when the user cancels. The
// dialog refuses a file that cannot be read, says why, and stays open for another choice.
std::optional<OpenedReadingFile> OpenReading(Program& program, QWidget* parent);
