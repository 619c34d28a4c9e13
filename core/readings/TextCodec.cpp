#include "core/readings/TextCodec.h"

#include <array>
#include <cstdint>
#include <optional>

namespace parsiva {

namespace {

constexpr int Shift = 85;

// Code points of 0x80..0x9F; the undefined codes keep their own number.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return HighControls[byte - 0x80];
    }
    return byte;
}

int ByteOf(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == codePoint) {
            return static_cast<int>(0x80 + i);
        }
    }
    return '?';
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        // Every code point of the code page lies in the basic plane.
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Next code point of a UTF-8 text; none for a malformed sequence, of which only the first byte
// is taken.
std::optional<char32_t> DecodeCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return std::nullopt;
    }
    if (pos + static_cast<std::size_t>(extra) >= text.size()) {
        ++pos;
        return std::nullopt;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return std::nullopt;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return std::nullopt;
    }
    pos += static_cast<std::size_t>(extra) + 1;
    return cp;
}

// A malformed sequence yields U+FFFD for its first byte, which then maps to '?' like any other
// character outside the code page.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    return DecodeCodePoint(text, pos).value_or(0xFFFD);
}

} // namespace

std::string ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        out.push_back(static_cast<char>(ByteOf(NextCodePoint(utf8, pos))));
    }
    return out;
}

std::string FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string EncodeBytes(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const int shifted = static_cast<unsigned char>(c) + Shift;
        if (shifted <= 255) {
            out.push_back(static_cast<char>(shifted));
        }
    }
    return out;
}

std::string DecodeBytes(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const int shifted = static_cast<unsigned char>(c) - Shift;
        if (shifted >= 0) {
            out.push_back(static_cast<char>(shifted));
        }
    }
    return out;
}

bool SurvivesCodec(std::string_view utf8) {
    return DecodeText(EncodeText(utf8)) == utf8;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (!DecodeCodePoint(bytes, pos)) {
            return false;
        }
    }
    return true;
}

std::string EncodeText(std::string_view utf8) {
    return FromWindows1252(EncodeBytes(ToWindows1252(utf8)));
}

std::string DecodeText(std::string_view utf8) {
    return FromWindows1252(DecodeBytes(ToWindows1252(utf8)));
}

} // namespace parsiva
