#pragma once

#include <string_view>

namespace parsiva {

inline constexpr std::string_view CheckTheFileMessage = "Please Check The File.";
inline constexpr std::string_view ReadingNotSavedMessage = "The Reading Could Not Be Saved.";
inline constexpr std::string_view ReportNotPrintedMessage = "The Report Could Not Be Printed.";

// A filter is a description and a file pattern separated by a vertical bar.
inline constexpr std::string_view SaveDialogTitle = "Save Your Zodiac Signs Result ....";
inline constexpr std::string_view SaveDialogFilter = "Rich Text Format | *.zod";
inline constexpr std::string_view OpenDialogTitle = "Select the source file";
inline constexpr std::string_view OpenDialogFilter = "QX Zodiac Signs (*.zod)|*.zod";
inline constexpr std::string_view ReadingFileExtension = "zod";

} // namespace parsiva
