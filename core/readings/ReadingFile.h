#pragma once

#include "core/signs/Classification.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace parsiva {

// Longest line a reading file may hold, line break not counted.
inline constexpr std::size_t MaxReadingLineBytes = 32766;

// The whole file: name, month, day and year, each encoded and ended by CR LF, as
// Windows-1252 bytes.
std::string ReadingFileBytes(const BirthDetails& details);
// The same four lines one by one, each with its CR LF.
std::array<std::string, 4> ReadingFileLines(const BirthDetails& details);

// The name as a reading file gives it back: the codec keeps only some characters.
std::string NameAsReadBack(std::string_view name);
// What Save asks before it writes a name that would not come back as it is.
std::string NameLossQuestion(std::string_view readBack);

// Fills buffer with the next bytes and returns their count, 0 at the end of the file, or none
// when reading failed.
using ByteSource = std::function<std::optional<std::size_t>(std::span<char> buffer)>;

// The first four lines, still encoded. A line ends at CR LF, at CR alone or at LF alone, as
// Windows, old Mac and Linux editors save text; lines the file lacks are empty. None when reading
// fails or a line is longer than MaxReadingLineBytes. Stops pulling bytes once the fourth line is
// complete.
std::optional<std::array<std::string, 4>> ReadReadingLines(const ByteSource& source);

// The decoded lines of a reading file and where they stand in the form's lists.
struct OpenedReading {
    std::string Name; // UTF-8
    std::string Month;
    std::string Day;
    std::string Year;
    std::optional<int> MonthIndex; // position in MonthNames(), none when no entry matches
    std::optional<int> DayIndex;   // position in DayListEntries()
    std::optional<int> YearIndex;  // position in YearListEntries()

    bool AllDateLinesMatch() const { return MonthIndex && DayIndex && YearIndex; }
};

OpenedReading InterpretReadingLines(const std::array<std::string, 4>& encodedLines);

// The open dialog's ending check: the last three characters exactly "zod", case-sensitive,
// with or without a dot before them.
bool HasReadingFileEnding(std::string_view path);

} // namespace parsiva
