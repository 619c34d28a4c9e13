#include "core/readings/ReadingFile.h"

#include "core/readings/ReadingTexts.h"
#include "core/readings/TextCodec.h"
#include "core/workflow/BirthDetailsRules.h"

#include <algorithm>
#include <vector>

namespace parsiva {

namespace {

constexpr std::string_view LineBreak = "\r\n";

template <class List> std::optional<int> PositionIn(const List& entries, std::string_view text) {
    const auto found = std::find(entries.begin(), entries.end(), text);
    if (found == entries.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - entries.begin());
}

std::string DecodeLine(const std::string& encoded) {
    return FromWindows1252(DecodeBytes(encoded));
}

} // namespace

std::array<std::string, 4> ReadingFileLines(const BirthDetails& details) {
    const std::array<std::string, 4> plain = {
        details.Name, details.Month, std::to_string(details.Day), std::to_string(details.Year)};
    std::array<std::string, 4> lines;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        lines[i] = EncodeBytes(ToWindows1252(plain[i]));
        lines[i] += LineBreak;
    }
    return lines;
}

std::string ReadingFileBytes(const BirthDetails& details) {
    std::string bytes;
    for (const std::string& line : ReadingFileLines(details)) {
        bytes += line;
    }
    return bytes;
}

std::string NameAsReadBack(std::string_view name) {
    return FromWindows1252(DecodeBytes(EncodeBytes(ToWindows1252(name))));
}

std::string NameLossQuestion(std::string_view readBack) {
    // The name comes after a line break, where a message box never takes it for markup.
    std::string question(NameLossIntro);
    question += "\n\n";
    question += readBack.empty() ? std::string(NameLostEntirely) : std::string(readBack);
    question += "\n\n";
    question += NameLossAsk;
    return question;
}

std::optional<std::array<std::string, 4>> ReadReadingLines(const ByteSource& source) {
    std::array<std::string, 4> lines;
    std::size_t current = 0;
    bool skipLineFeed = false;
    std::vector<char> buffer(4096);
    while (current < lines.size()) {
        const std::optional<std::size_t> got = source(std::span<char>(buffer));
        if (!got) {
            return std::nullopt;
        }
        if (*got == 0) {
            break;
        }
        for (std::size_t i = 0; i < *got && current < lines.size(); ++i) {
            const char byte = buffer[i];
            if (skipLineFeed) {
                skipLineFeed = false;
                if (byte == '\n') {
                    continue;
                }
            }
            if (byte == '\r' || byte == '\n') {
                ++current;
                skipLineFeed = byte == '\r';
                continue;
            }
            if (lines[current].size() == MaxReadingLineBytes) {
                return std::nullopt;
            }
            lines[current].push_back(byte);
        }
    }
    return lines;
}

OpenedReading InterpretReadingLines(const std::array<std::string, 4>& encodedLines) {
    OpenedReading opened;
    opened.Name = DecodeLine(encodedLines[0]);
    opened.Month = DecodeLine(encodedLines[1]);
    opened.Day = DecodeLine(encodedLines[2]);
    opened.Year = DecodeLine(encodedLines[3]);
    opened.MonthIndex = PositionIn(MonthNames(), opened.Month);
    opened.DayIndex = PositionIn(DayListEntries(), opened.Day);
    opened.YearIndex = PositionIn(YearListEntries(), opened.Year);
    return opened;
}

bool HasReadingFileEnding(std::string_view path) {
    return path.ends_with(ReadingFileExtension);
}

} // namespace parsiva
