#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace parsiva {

// What the birth-details form last accepted; the year never affects the sign.
struct BirthDetails {
    std::string Name;
    std::int16_t Day = 0;
    std::string Month;
    std::int16_t Year = 0;
};

// English month names in calendar order, exactly as the month list shows them.
const std::array<std::string_view, 12>& MonthNames();

// The Persian sign for a month and day, or empty when the month name is not one of MonthNames()
// (exact, case-sensitive). The day is not range-checked: any value falls on one side of the
// month's threshold.
std::optional<std::string> ClassifyBirthDate(std::string_view month, std::int16_t day);

} // namespace parsiva
