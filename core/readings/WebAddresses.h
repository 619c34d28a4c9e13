#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace parsiva {

// Longest address the report's links open; a longer one is left as plain text.
inline constexpr std::size_t MaxLinkLength = 1024;

// Start and length in UTF-16 units, the units of the rich-text box.
struct TextSpan {
    std::size_t Start;
    std::size_t Length;
    friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

// The web addresses in one line of text: "http://", "https://" or "www." (any case) at the
// start of a word, up to white space, a mark or isolate of text direction, or <, > or ", less
// trailing punctuation.
std::vector<TextSpan> FindWebAddresses(std::u16string_view text);

// What the browser is given for a recognised address: "www." addresses gain "http://".
std::u16string LinkTarget(std::u16string_view address);

} // namespace parsiva
