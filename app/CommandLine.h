#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks of this run, decided before any window or display is needed.
struct CommandLineRequest {
    // Set when the run ends at once: --help, --version or a command line that cannot be used.
    std::optional<int> exitCode;
    // Printed before ending: on standard output for help and version, else on standard error.
    QString output;
    bool outputIsError = false;
    // The reading file to open, made absolute against the current folder.
    std::optional<QString> readingPath;
};

// arguments: the whole command line, the program's own name first. Qt's own options
// (-platform, -style, ...) are accepted and left for QApplication. The texts are in the language
// of the application's installed catalogues, English without an application.
CommandLineRequest ReadCommandLine(const QStringList& arguments);
