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
