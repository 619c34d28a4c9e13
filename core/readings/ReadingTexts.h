#pragma once

#include <string_view>

namespace parsiva {

inline constexpr std::string_view CheckTheFileMessage = "Please Check The File.";
inline constexpr std::string_view ReadingNotSavedMessage = "The Reading Could Not Be Saved.";
inline constexpr std::string_view ReportNotPrintedMessage = "The Report Could Not Be Printed.";

// Why a file cannot be used, where the system gives no reason of its own; shown after the file's
// name on the line below one of the messages above.
inline constexpr std::string_view NotAReadingFileNameReason = "The name does not end in zod.";
inline constexpr std::string_view NotAFileReason = "This is a folder or a device, not a file.";
inline constexpr std::string_view NotAReadingFileReason = "This is not a reading file.";
inline constexpr std::string_view MissingFolderReason = "The folder does not exist.";
inline constexpr std::string_view ReadOnlyFolderReason = "Files cannot be saved in this folder.";
inline constexpr std::string_view ReadOnlyFileReason = "The file is read-only.";
// Why printing failed, where the print system gives no reason of its own.
inline constexpr std::string_view NoPrinterReason = "No printer is set up.";

// A filter is a description and a file pattern separated by a vertical bar.
inline constexpr std::string_view SaveDialogTitle = "Save Your Zodiac Signs Result ....";
inline constexpr std::string_view SaveDialogFilter = "Rich Text Format | *.zod";
inline constexpr std::string_view OpenDialogTitle = "Select the source file";
inline constexpr std::string_view OpenDialogFilter = "QX Zodiac Signs (*.zod)|*.zod";
inline constexpr std::string_view ReadingFileExtension = "zod";

} // namespace parsiva
