#include "core/workflow/BirthDetailsRules.h"

#include "core/workflow/TrimSpaces.h"

#include <charconv>
#include <cmath>

namespace parsiva {

namespace {
constexpr int February = 1;

std::int16_t ToInt16(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return static_cast<std::int16_t>(value);
}
} // namespace

std::vector<std::string> DayListEntries() {
    std::vector<std::string> days;
    for (int day = 1; day <= 31; ++day)
        days.push_back(std::to_string(day));
    return days;
}

std::vector<std::string> YearListEntries() {
    std::vector<std::string> years;
    for (int year = FirstYear; year <= LastYear; ++year)
        years.push_back(std::to_string(year));
    return years;
}

std::optional<Refusal> ValidateBirthDetails(std::string_view nameText, int monthPosition,
                                            int dayPosition, int year) {
    if (TrimSpaces(nameText).empty())
        return Refusal{EnterYourNameMessage, NoticeIcon::Critical, true};

    const int day = dayPosition + 1;
    // Every fourth year is a leap year, 1900 included: the form's own rule, not the Gregorian one.
    const bool leapYear = year % 4 == 0;
    if (monthPosition == February && (day >= 30 || (!leapYear && day == 29)))
        return Refusal{WrongFebruaryDayMessage, NoticeIcon::Information, false};

    const bool thirtyDayMonth =
        monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
    if (thirtyDayMonth && day == 31)
        return Refusal{WrongThirtyFirstMessage, NoticeIcon::Information, false};

    return std::nullopt;
}

void RecordProceed(BirthDetails& details, ReadingResult& reading, std::string_view nameText,
                   std::string_view dayText, std::string_view monthText,
                   std::string_view yearText) {
    details.Name = std::string(TrimSpaces(nameText));
    details.Day = ToInt16(dayText);
    details.Month = std::string(monthText);
    details.Year = ToInt16(yearText);

    if (auto sign = ClassifyBirthDate(details.Month, details.Day))
        reading.SignName = *sign;
    if (auto composed = ComposeReading(reading.SignName)) {
        reading.Heading = composed->Heading;
        reading.Season = composed->Season;
        reading.Deity = composed->Deity;
        reading.Description = composed->Description;
    }
}

std::int16_t CoBrandPick(float r) {
    // nearbyint follows the default rounding mode, which sends halves to the even neighbour.
    return static_cast<std::int16_t>(std::nearbyint(6.0f * r + 1.0f));
}

CoBrandFront CoBrandFrontFor(std::int16_t pick) {
    switch (pick) {
    case 2:
    case 4:
    case 6:
        return CoBrandFront::FullBrand;
    case 1:
    case 3:
    case 5:
        return CoBrandFront::Cobrand;
    default:
        return CoBrandFront::LayoutOrder;
    }
}

} // namespace parsiva
