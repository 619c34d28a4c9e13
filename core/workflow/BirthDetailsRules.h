#pragma once

#include "core/signs/Classification.h"
#include "core/signs/SignCatalogue.h"
#include "core/workflow/WorkflowTexts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parsiva {

inline constexpr int FirstYear = 1900;
inline constexpr int LastYear = 2050;

// Entries of the day and year lists, as decimal text.
std::vector<std::string> DayListEntries();
std::vector<std::string> YearListEntries();

// What the birth-details form can be told when it refuses the input.
struct Refusal {
    std::string_view Message;
    NoticeIcon Icon;
    bool FocusName; // the name box takes the focus afterwards
};

// Checks the form's input by list positions (month 0 = January, day p = day p + 1);
// none means accepted.
std::optional<Refusal> ValidateBirthDetails(std::string_view nameText, int monthPosition,
                                            int dayPosition, int year);

// Stores accepted input and the reading it gives. A month that classifies to no sign
// keeps the previous sign and reading.
void RecordProceed(BirthDetails& details, ReadingResult& reading, std::string_view nameText,
                   std::string_view dayText, std::string_view monthText, std::string_view yearText);

// The start-up pick of the promotional label: 6r + 1 rounded half to even, 1 to 7.
std::int16_t CoBrandPick(float r);

enum class CoBrandFront { FullBrand, Cobrand, LayoutOrder };
CoBrandFront CoBrandFrontFor(std::int16_t pick);

} // namespace parsiva
