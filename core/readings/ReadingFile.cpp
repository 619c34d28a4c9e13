#include "core/readings/ReadingFile.h"

#include "core/readings/ReadingTexts.h"
#include "core/readings/TextCodec.h"
#include "core/workflow/BirthDetailsRules.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace parsiva {

namespace {

constexpr std::string_view LineBreak = "\r\n";
constexpr std::string_view Base64Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t ExactNameLineIndex = 4;

// Takes one more byte of the fifth line; false once the bytes cannot be an exact-name line.
bool ExtendExactNameLine(std::string& line, char byte) {
    static const std::string tag = EncodeBytes(ExactNameTag);
    if (line.size() < tag.size() ? byte != tag[line.size()]
                                 : line.size() == MaxExactNameLineBytes) {
        return false;
    }
    line.push_back(byte);
    return true;
}

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

std::vector<std::string> ReadingFileLines(const BirthDetails& details) {
    const std::array<std::string, 4> plain = {
        details.Name, details.Month, std::to_string(details.Day), std::to_string(details.Year)};
    std::vector<std::string> lines;
    for (const std::string& text : plain) {
        lines.push_back(EncodeBytes(ToWindows1252(text)) + std::string(LineBreak));
    }
    if (auto exact = ExactNameLine(details.Name)) {
        lines.push_back(std::move(*exact));
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

std::optional<std::string> ExactNameLine(std::string_view name) {
    if (NameAsReadBack(name) == name) {
        return std::nullopt;
    }
    // Tag and base64 are ASCII from 43 to 122, so the encoded bytes lie between 128 and 207.
    std::string line = EncodeBytes(std::string(ExactNameTag) + Base64Encode(name));
    if (line.size() > MaxExactNameLineBytes) {
        return std::nullopt;
    }
    return line + std::string(LineBreak);
}

std::optional<std::string> ExactNameFrom(std::string_view encodedLine,
                                         std::string_view nameFromLine1) {
    const std::string plain = DecodeBytes(encodedLine);
    if (!plain.starts_with(ExactNameTag)) {
        return std::nullopt;
    }
    auto name = Base64Decode(std::string_view(plain).substr(ExactNameTag.size()));
    if (!name || !IsValidUtf8(*name) || NameAsReadBack(*name) != nameFromLine1) {
        return std::nullopt;
    }
    return name;
}

std::string Base64Encode(std::string_view bytes) {
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            const auto byte = k < count ? static_cast<unsigned char>(bytes[i + k]) : 0u;
            group = (group << 8) | byte;
        }
        for (std::size_t k = 0; k < 4; ++k) {
            text += k <= count ? Base64Alphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
        }
    }
    return text;
}

std::optional<std::string> Base64Decode(std::string_view text) {
    if (text.size() % 4 != 0) {
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        // Padding: none, or one or two '=' closing the last group.
        std::size_t padding = 0;
        while (last && padding < 2 && text[i + 3 - padding] == '=') {
            ++padding;
        }
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            std::uint32_t value = 0;
            if (k < 4 - padding) {
                const std::size_t found = Base64Alphabet.find(text[i + k]);
                if (found == std::string_view::npos) {
                    return std::nullopt;
                }
                value = static_cast<std::uint32_t>(found);
            }
            group = (group << 6) | value;
        }
        // The bits that follow the last byte must be zero, so each text has one reading only.
        if ((padding == 1 && (group & 0xFF) != 0) || (padding == 2 && (group & 0xFFFF) != 0)) {
            return std::nullopt;
        }
        for (std::size_t k = 0; k < 3 - padding; ++k) {
            bytes.push_back(static_cast<char>((group >> (16 - 8 * k)) & 0xFF));
        }
    }
    return bytes;
}

std::optional<EncodedReadingLines> ReadReadingLines(const ByteSource& source) {
    EncodedReadingLines lines;
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
            if (current == ExactNameLineIndex) {
                if (!ExtendExactNameLine(lines[current], byte)) {
                    lines[current].clear();
                    return lines;
                }
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

OpenedReading InterpretReadingLines(const EncodedReadingLines& encodedLines) {
    OpenedReading opened;
    opened.Name = DecodeLine(encodedLines[0]);
    if (auto exact = ExactNameFrom(encodedLines[ExactNameLineIndex], opened.Name)) {
        opened.Name = std::move(*exact);
    }
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
