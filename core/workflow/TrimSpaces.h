#pragma once

#include <string_view>

namespace parsiva {

// Removes leading and trailing space characters (32) only; tabs and inner spaces stay.
inline std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace parsiva
