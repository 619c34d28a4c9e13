#include "core/workflow/BirthDetailsRules.h"
#include "core/workflow/TrimSpaces.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace parsiva;

namespace {

constexpr int January = 0, February = 1, March = 2, April = 3, June = 5, September = 8,
              November = 10, December = 11;

struct ValidationCase {
    const char* label;
    const char* name;
    int month;
    int day; // calendar day; the form works with list position day - 1
    int year;
    std::optional<std::string_view> message;
};

class Validation : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(Validation, RefusesOrAcceptsWithTheExactMessage) {
    const ValidationCase& c = GetParam();
    const auto refusal = ValidateBirthDetails(c.name, c.month, c.day - 1, c.year);
    if (!c.message) {
        EXPECT_FALSE(refusal.has_value());
        return;
    }
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->Message, *c.message);
    const bool nameMessage = *c.message == EnterYourNameMessage;
    EXPECT_EQ(refusal->Icon, nameMessage ? NoticeIcon::Critical : NoticeIcon::Information);
    EXPECT_EQ(refusal->FocusName, nameMessage);
}

const std::string_view Name = EnterYourNameMessage;
const std::string_view Feb = WrongFebruaryDayMessage;
const std::string_view Short = WrongThirtyFirstMessage;

INSTANTIATE_TEST_SUITE_P(
    Table, Validation,
    ::testing::Values(ValidationCase{"EmptyName", "", March, 1, 1975, Name},
                      ValidationCase{"SpacesOnlyName", "    ", March, 1, 1975, Name},
                      ValidationCase{"NameWinsOverFebruary30", "", February, 30, 1975, Name},
                      ValidationCase{"TabIsNotASpace", "\t", March, 1, 1975, std::nullopt},
                      ValidationCase{"Feb29In1900", "Ann", February, 29, 1900, std::nullopt},
                      ValidationCase{"Feb29In1904", "Ann", February, 29, 1904, std::nullopt},
                      ValidationCase{"Feb29In2000", "Ann", February, 29, 2000, std::nullopt},
                      ValidationCase{"Feb29In1901", "Ann", February, 29, 1901, Feb},
                      ValidationCase{"Feb29In2050", "Ann", February, 29, 2050, Feb},
                      ValidationCase{"Feb30InLeapYear", "Ann", February, 30, 2000, Feb},
                      ValidationCase{"Feb31", "Ann", February, 31, 1975, Feb},
                      ValidationCase{"Feb28", "Ann", February, 28, 1975, std::nullopt},
                      ValidationCase{"April31", "Ann", April, 31, 1975, Short},
                      ValidationCase{"June31", "Ann", June, 31, 1975, Short},
                      ValidationCase{"September31", "Ann", September, 31, 1975, Short},
                      ValidationCase{"November31", "Ann", November, 31, 1975, Short},
                      ValidationCase{"April30", "Ann", April, 30, 1975, std::nullopt},
                      ValidationCase{"January31", "Ann", January, 31, 1975, std::nullopt},
                      ValidationCase{"March31", "Ann", March, 31, 1975, std::nullopt},
                      ValidationCase{"December31", "Ann", December, 31, 1975, std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DateMessages, DifferOnlyByTheSpaceBeforeTheExclamationMark) {
    EXPECT_EQ(WrongFebruaryDayMessage, "Please Enter Correct Date Or Month!");
    EXPECT_EQ(WrongThirtyFirstMessage, "Please Enter Correct Date Or Month !");
}

TEST(Lists, HoldDaysOneTo31AndYears1900To2050AsPlainDecimals) {
    const auto days = DayListEntries();
    ASSERT_EQ(days.size(), 31u);
    EXPECT_EQ(days.front(), "1");
    EXPECT_EQ(days[8], "9");
    EXPECT_EQ(days.back(), "31");
    const auto years = YearListEntries();
    ASSERT_EQ(years.size(), 151u);
    EXPECT_EQ(years.front(), "1900");
    EXPECT_EQ(years.back(), "2050");
}

TEST(TrimSpacesRule, RemovesOnlyOuterSpaceCharacters) {
    EXPECT_EQ(TrimSpaces("  Ann  Lee  "), "Ann  Lee");
    EXPECT_EQ(TrimSpaces("\tAnn "), "\tAnn");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces(""), "");
}

TEST(RecordProceed, StoresTrimmedInputAndTheComposedReading) {
    BirthDetails details;
    ReadingResult reading;
    RecordProceed(details, reading, "  Ann Lee ", "23", "August", "1975");
    EXPECT_EQ(details.Name, "Ann Lee");
    EXPECT_EQ(details.Day, 23);
    EXPECT_EQ(details.Month, "August");
    EXPECT_EQ(details.Year, 1975);
    EXPECT_EQ(reading.SignName, "Shahrivar");
    EXPECT_EQ(reading.Heading, "SHAHRIVAR (VIRGO)");
    EXPECT_EQ(reading.Season, "Summer");
    EXPECT_EQ(reading.Deity, "Khashtra Vairya");
    EXPECT_FALSE(reading.Description.empty());
}

TEST(RecordProceed, KeepsThePreviousReadingWhenTheMonthGivesNoSign) {
    BirthDetails details;
    ReadingResult reading;
    RecordProceed(details, reading, "Ann", "1", "January", "1900");
    const ReadingResult before = reading;
    RecordProceed(details, reading, "Bob", "5", "march", "1980");
    EXPECT_EQ(details.Name, "Bob");
    EXPECT_EQ(details.Month, "march");
    EXPECT_EQ(reading.SignName, before.SignName);
    EXPECT_EQ(reading.Heading, "DEY (CAPRICORN)");
    EXPECT_EQ(reading.Description, before.Description);
}

struct PickCase {
    const char* label;
    float r;
    std::int16_t pick;
    CoBrandFront front;
};

class CoBrand : public ::testing::TestWithParam<PickCase> {};

TEST_P(CoBrand, RoundsHalfToEvenAndRaisesTheRightLabel) {
    const PickCase& c = GetParam();
    EXPECT_EQ(CoBrandPick(c.r), c.pick);
    EXPECT_EQ(CoBrandFrontFor(CoBrandPick(c.r)), c.front);
}

// r = 1/12 gives 1.5, r = 0.25 gives 2.5, r = 11/12 gives 6.5: every half goes to the even side.
INSTANTIATE_TEST_SUITE_P(
    Table, CoBrand,
    ::testing::Values(PickCase{"Zero", 0.0f, 1, CoBrandFront::Cobrand},
                      PickCase{"OnePointFive", 1.0f / 12.0f, 2, CoBrandFront::FullBrand},
                      PickCase{"TwoPointFive", 0.25f, 2, CoBrandFront::FullBrand},
                      PickCase{"Three", 1.0f / 3.0f, 3, CoBrandFront::Cobrand},
                      PickCase{"Four", 0.5f, 4, CoBrandFront::FullBrand},
                      PickCase{"Five", 2.0f / 3.0f, 5, CoBrandFront::Cobrand},
                      PickCase{"SixPointFive", 11.0f / 12.0f, 6, CoBrandFront::FullBrand},
                      PickCase{"JustBelowOne", 0.9999f, 7, CoBrandFront::LayoutOrder}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
