#pragma once

#include "core/Wording.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace parsiva {

struct SignRecord {
    std::string_view PersianName;
    std::string_view WesternSign; // with its parentheses, as displayed
    // Both names upper-cased, a space between them; a whole text, so that it can be translated.
    std::string_view Heading;
    std::string_view Deity;
    std::string_view Description; // UTF-8, one paragraph
};

struct ReadingResult {
    std::string SignName;
    std::string Heading;
    std::string Season;
    std::string Deity;
    std::string Description;
};

// In the order of the Persian months, Farvardin first and Esfand last.
const std::array<SignRecord, 12>& SignCatalogue();

// Exact, case-sensitive match on PersianName; nullptr when no row matches.
const SignRecord* FindSign(std::string_view persianName);

// Decided by the name alone; any name outside the first nine signs gives "Winter".
std::string SeasonOf(std::string_view persianName);

// Empty when the name is not in the catalogue, so the caller keeps its previous reading.
std::optional<ReadingResult> ComposeReading(std::string_view persianName);

} // namespace parsiva
