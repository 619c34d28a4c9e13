#include "core/Wording.h"

#include <vector>

namespace parsiva {

std::string Wording::Text(std::string_view marked) const {
    return std::string(marked);
}

std::string Wording::Number(int number) const {
    return std::to_string(number);
}

std::string Wording::Year(int year) const {
    return std::to_string(year);
}

const Wording& EnglishWording() {
    static const Wording english;
    return english;
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    const std::vector<std::string_view> values(arguments);
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < values.size()) {
                filled += values[index];
                ++i;
                continue;
            }
        }
        filled += pattern[i];
    }
    return filled;
}

} // namespace parsiva
