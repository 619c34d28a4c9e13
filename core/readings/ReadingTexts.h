#pragma once

#include "core/Wording.h"

#include <string_view>

namespace parsiva {

inline constexpr std::string_view CheckTheFileMessage =
    QT_TRANSLATE_NOOP("Parsiva", "Please Check The File.");
inline constexpr std::string_view ReadingNotSavedMessage =
    QT_TRANSLATE_NOOP("Parsiva", "The Reading Could Not Be Saved.");
inline constexpr std::string_view ReportNotPrintedMessage =
    QT_TRANSLATE_NOOP("Parsiva", "The Report Could Not Be Printed.");

// Why a file cannot be used, where the system gives no reason of its own; shown after the file's
// name on the line below one of the messages above.
inline constexpr std::string_view NotAReadingFileNameReason =
    QT_TRANSLATE_NOOP("Parsiva", "The name does not end in zod.");
inline constexpr std::string_view NotAFileReason =
    QT_TRANSLATE_NOOP("Parsiva", "This is a folder or a device, not a file.");
inline constexpr std::string_view NotAReadingFileReason =
    QT_TRANSLATE_NOOP("Parsiva", "This is not a reading file.");
inline constexpr std::string_view MissingFolderReason =
    QT_TRANSLATE_NOOP("Parsiva", "The folder does not exist.");
inline constexpr std::string_view ReadOnlyFolderReason =
    QT_TRANSLATE_NOOP("Parsiva", "Files cannot be saved in this folder.");
inline constexpr std::string_view ReadOnlyFileReason =
    QT_TRANSLATE_NOOP("Parsiva", "The file is read-only.");
// The file's name, then why it cannot be used: %1 is the file, %2 the reason.
inline constexpr std::string_view FileProblemPattern = QT_TRANSLATE_NOOP("Parsiva", "%1: %2");
// Why printing failed, where the print system gives no reason of its own.
inline constexpr std::string_view NoPrinterReason =
    QT_TRANSLATE_NOOP("Parsiva", "No printer is set up.");

// A filter is a description and a file pattern separated by a vertical bar.
inline constexpr std::string_view SaveDialogTitle =
    QT_TRANSLATE_NOOP("Parsiva", "Save Your Zodiac Signs Result ....");
inline constexpr std::string_view SaveDialogFilter =
    QT_TRANSLATE_NOOP("Parsiva", "Rich Text Format | *.zod");
inline constexpr std::string_view OpenDialogTitle =
    QT_TRANSLATE_NOOP("Parsiva", "Select the source file");
inline constexpr std::string_view OpenDialogFilter =
    QT_TRANSLATE_NOOP("Parsiva", "QX Zodiac Signs (*.zod)|*.zod");
inline constexpr std::string_view ReadingFileExtension = "zod";

} // namespace parsiva
