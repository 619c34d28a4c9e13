#pragma once

#include "core/signs/Classification.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace parsiva {

// Longest line a reading file may hold, line break not counted.
inline constexpr std::size_t MaxReadingLineBytes = 32766;

// The tag that opens the fifth line: the exact name as base64 of its UTF-8. Other tags are left
// for later forms.
inline constexpr std::string_view ExactNameTag = "U8:";
// Longest fifth line read: the tag and the base64 of any name the name box can hold (32,767
// UTF-16 units, at most 98,301 UTF-8 bytes). A longer one is ignored, never an error.
inline constexpr std::size_t MaxExactNameLineBytes = 131072;

// The whole file, as Windows-1252 bytes: name, month, day and year, each encoded and ended by
// CR LF, then the exact-name line when the name needs one.
std::string ReadingFileBytes(const BirthDetails& details);
// The same lines one by one, each with its CR LF: four, or five for a name the four lines lose.
std::vector<std::string> ReadingFileLines(const BirthDetails& details);

// The name as the four lines give it back: the codec keeps only some characters.
std::string NameAsReadBack(std::string_view name);

// The fifth line for a name the four lines lose, EncodeText("U8:" + base64 of its UTF-8) with
// CR LF; none for a name they keep, so its file stays byte for byte what it always was.
std::optional<std::string> ExactNameLine(std::string_view name);
// The name a fifth line holds (encoded, no line break): only when the tag and base64 are well
// formed, the bytes are valid UTF-8 and the name agrees with line 1 as decoded
// (NameAsReadBack(name) == nameFromLine1); otherwise none, and line 1 stands.
std::optional<std::string> ExactNameFrom(std::string_view encodedLine,
                                         std::string_view nameFromLine1);

// Standard base64 with '=' padding.
std::string Base64Encode(std::string_view bytes);
// None unless text is base64 as Base64Encode writes it: its alphabet only, padded to a multiple
// of four, and the bits after the last byte zero.
std::optional<std::string> Base64Decode(std::string_view text);

// Fills buffer with the next bytes and returns their count, 0 at the end of the file, or none
// when reading failed.
using ByteSource = std::function<std::optional<std::size_t>(std::span<char> buffer)>;

// Name, month, day and year, then the exact-name line (empty when there is none), still encoded.
using EncodedReadingLines = std::array<std::string, 5>;

// The first four lines and a fifth that opens with the encoded tag, still encoded. A line ends
// at CR LF, at CR alone or at LF alone, as Windows, old Mac and Linux editors save text; lines
// the file lacks are empty. None when reading fails or one of the four is longer than
// MaxReadingLineBytes; a fifth line without the tag or longer than MaxExactNameLineBytes is left
// empty. Stops pulling bytes once the fifth line is complete or is known to be none.
std::optional<EncodedReadingLines> ReadReadingLines(const ByteSource& source);

// The decoded lines of a reading file and where they stand in the form's lists.
struct OpenedReading {
    std::string Name; // UTF-8: the exact name of the fifth line where it stands, else line 1
    std::string Month;
    std::string Day;
    std::string Year;
    std::optional<int> MonthIndex; // position in MonthNames(), none when no entry matches
    std::optional<int> DayIndex;   // position in DayListEntries()
    std::optional<int> YearIndex;  // position in YearListEntries()

    bool AllDateLinesMatch() const { return MonthIndex && DayIndex && YearIndex; }
};

OpenedReading InterpretReadingLines(const EncodedReadingLines& encodedLines);

// The open dialog's ending check: the last three characters exactly "zod", case-sensitive,
// with or without a dot before them.
bool HasReadingFileEnding(std::string_view path);

} // namespace parsiva
