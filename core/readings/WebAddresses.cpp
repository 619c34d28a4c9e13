#include "core/readings/WebAddresses.h"

#include <array>

namespace parsiva {

namespace {

constexpr std::array<std::u16string_view, 3> Prefixes = {u"https://", u"http://", u"www."};

char16_t Lower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

bool IsWordCharacter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'_' || c == u'/' || c == u'.' || c == u'@' || c == u'-';
}

bool EndsAddress(char16_t c) {
    switch (c) {
    case u' ':
    case u'\t':
    case u'\r':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\u00A0':
    case u'\u2028':
    case u'\u2029':
    case u'<':
    case u'>':
    case u'"':
        return true;
    default:
        // Marks and isolates that set the direction of the text around an address.
        return c < 0x20 || c == u'\u200E' || c == u'\u200F' || (c >= u'\u202A' && c <= u'\u202E') ||
               (c >= u'\u2066' && c <= u'\u2069');
    }
}

bool IsTrailingPunctuation(char16_t c) {
    return std::u16string_view(u".,;:!?'\")]}").find(c) != std::u16string_view::npos;
}

std::size_t PrefixLength(std::u16string_view rest) {
    for (const std::u16string_view prefix : Prefixes) {
        if (StartsWithNoCase(rest, prefix)) {
            return prefix.size();
        }
    }
    return 0;
}

} // namespace

std::vector<TextSpan> FindWebAddresses(std::u16string_view text) {
    std::vector<TextSpan> found;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t prefix = PrefixLength(text.substr(i));
        if (prefix == 0 || (i > 0 && IsWordCharacter(text[i - 1]))) {
            ++i;
            continue;
        }
        std::size_t end = i + prefix;
        while (end < text.size() && !EndsAddress(text[end])) {
            ++end;
        }
        const std::size_t scanned = end;
        while (end > i + prefix && IsTrailingPunctuation(text[end - 1])) {
            --end;
        }
        const std::size_t length = end - i;
        if (length > prefix && length <= MaxLinkLength) {
            found.push_back({i, length});
        }
        i = scanned;
    }
    return found;
}

std::u16string LinkTarget(std::u16string_view address) {
    if (StartsWithNoCase(address, u"www.")) {
        return u"http://" + std::u16string(address);
    }
    return std::u16string(address);
}

} // namespace parsiva
