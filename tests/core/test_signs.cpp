#include "core/signs/Classification.h"
#include "core/signs/SignCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace parsiva {
namespace {

// Rejects malformed sequences, so a paragraph with broken UTF-8 fails instead of being miscounted.
std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            cp = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            cp = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + extra >= text.size()) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            cp = (cp << 6) | (next & 0x3F);
        }
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

// Failures name the row instead of dumping its bytes.
template <typename Case>
requires requires(const Case& c) {
    c.Label;
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.Label;
}

template <typename Case> std::string CaseName(const testing::TestParamInfo<Case>& info) {
    return std::string(info.param.Label);
}

struct CatalogueRow {
    std::string_view Label;
    std::size_t Position;
    std::string_view WesternSign;
    std::string_view Season;
    std::string_view Deity;
    std::size_t TargetLength;
};

class CatalogueRowTest : public testing::TestWithParam<CatalogueRow> {};

TEST_P(CatalogueRowTest, HoldsItsSignAtItsPosition) {
    const CatalogueRow& row = GetParam();
    const SignRecord& record = SignCatalogue().at(row.Position);
    EXPECT_EQ(record.PersianName, row.Label);
    EXPECT_EQ(record.WesternSign, row.WesternSign);
    EXPECT_EQ(record.Deity, row.Deity);
    EXPECT_EQ(FindSign(row.Label), &record);
    EXPECT_EQ(SeasonOf(row.Label), row.Season);
}

TEST_P(CatalogueRowTest, DescriptionIsUtf8WithinTenPercentOfItsLength) {
    const CatalogueRow& row = GetParam();
    const auto decoded = decodeUtf8(SignCatalogue().at(row.Position).Description);
    ASSERT_TRUE(decoded.has_value());
    const double length = static_cast<double>(decoded->size());
    EXPECT_GE(length, 0.9 * static_cast<double>(row.TargetLength));
    EXPECT_LE(length, 1.1 * static_cast<double>(row.TargetLength));
}

// Seasons run in blocks of three consecutive rows.
INSTANTIATE_TEST_SUITE_P(
    Signs, CatalogueRowTest,
    testing::Values(CatalogueRow{"Farvardin", 0, "(Aries)", "Spring", "Farvardin", 710},
                    CatalogueRow{"Ordibehesht", 1, "(Taurus)", "Spring", "Asha Vahishta", 682},
                    CatalogueRow{"Khordad", 2, "(Gemini)", "Spring", "Haurvatat", 751},
                    CatalogueRow{"Tir", 3, "(Cancer)", "Summer", "Tishtrya", 737},
                    CatalogueRow{"Mordad", 4, "(Leo)", "Summer", "Ameretat", 731},
                    CatalogueRow{"Shahrivar", 5, "(Virgo)", "Summer", "Khashtra Vairya", 799},
                    CatalogueRow{"Mehr", 6, "(Libra)", "Fall", "Mitrah", 736},
                    CatalogueRow{"Aban", 7, "(Scorpio)", "Fall", "Ap", 636},
                    CatalogueRow{"Azar", 8, "(Sagittarius)", "Fall", "Adur", 696},
                    CatalogueRow{"Dey", 9, "(Capricorn)", "Winter", "Dadar", 619},
                    CatalogueRow{"Bahman", 10, "(Aquarius)", "Winter", "Vohu Manah", 661},
                    CatalogueRow{"Esfand", 11, "(Pisces)", "Winter", "Spenta Armaiti", 736}),
    CaseName<CatalogueRow>);

// The accented letter must be a real Latin-1 letter, so it survives the Windows-1252 files.
TEST(SignCatalogueTest, AzarDescriptionHoldsAnAccentedLetter) {
    const SignRecord* azar = FindSign("Azar");
    ASSERT_NE(azar, nullptr);
    const auto decoded = decodeUtf8(azar->Description);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_TRUE(std::any_of(decoded->begin(), decoded->end(), [](char32_t c) {
        return c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7;
    }));
}

struct ComposeCase {
    std::string_view Label;
    std::string_view Heading;
    std::string_view Season;
    std::string_view Deity;
};

class ComposeReadingTest : public testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeReadingTest, FillsEveryFieldFromTheRow) {
    const ComposeCase& c = GetParam();
    const auto reading = ComposeReading(c.Label);
    ASSERT_TRUE(reading.has_value());
    EXPECT_EQ(reading->SignName, c.Label);
    EXPECT_EQ(reading->Heading, c.Heading);
    EXPECT_EQ(reading->Season, c.Season);
    EXPECT_EQ(reading->Deity, c.Deity);
    const SignRecord* record = FindSign(c.Label);
    ASSERT_NE(record, nullptr);
    EXPECT_FALSE(reading->Description.empty());
    EXPECT_EQ(reading->Description, record->Description);
}

INSTANTIATE_TEST_SUITE_P(
    Signs, ComposeReadingTest,
    testing::Values(ComposeCase{"Farvardin", "FARVARDIN (ARIES)", "Spring", "Farvardin"},
                    ComposeCase{"Shahrivar", "SHAHRIVAR (VIRGO)", "Summer", "Khashtra Vairya"},
                    ComposeCase{"Azar", "AZAR (SAGITTARIUS)", "Fall", "Adur"},
                    ComposeCase{"Esfand", "ESFAND (PISCES)", "Winter", "Spenta Armaiti"}),
    CaseName<ComposeCase>);

// The heading is written out whole, so that it can be translated whole; it must still read as
// both names upper-cased.
TEST(SignCatalogue, EveryHeadingIsBothNamesUpperCased) {
    for (const SignRecord& sign : SignCatalogue()) {
        std::string expected = std::string(sign.PersianName) + " " + std::string(sign.WesternSign);
        for (char& c : expected)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(sign.Heading, expected) << sign.PersianName;
    }
}

struct UnknownSign {
    std::string_view Label;
    std::string_view Name;
};

class UnknownSignTest : public testing::TestWithParam<UnknownSign> {};

TEST_P(UnknownSignTest, FindsNothingAndComposesNothing) {
    EXPECT_EQ(FindSign(GetParam().Name), nullptr);
    EXPECT_FALSE(ComposeReading(GetParam().Name).has_value());
}

// The misspellings are forms the paragraphs use; they must never act as keys.
INSTANTIATE_TEST_SUITE_P(
    Signs, UnknownSignTest,
    testing::Values(UnknownSign{"LowerCase", "farvardin"}, UnknownSign{"UpperCase", "FARVARDIN"},
                    UnknownSign{"LeadingSpace", " Farvardin"},
                    UnknownSign{"TrailingSpace", "Farvardin "}, UnknownSign{"Empty", ""},
                    UnknownSign{"ParagraphKhodard", "Khodard"},
                    UnknownSign{"ParagraphOrdibehest", "Ordibehest"},
                    UnknownSign{"ParagraphModard", "Modard"}, UnknownSign{"WesternName", "Aries"}),
    CaseName<UnknownSign>);

struct DateCase {
    std::string_view Label;
    std::string_view Month;
    std::int16_t Day;
    std::string_view Sign;
};

class ClassifyBirthDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(ClassifyBirthDateTest, GivesTheSignOfTheThresholdSide) {
    const DateCase& c = GetParam();
    const auto sign = ClassifyBirthDate(c.Month, c.Day);
    ASSERT_TRUE(sign.has_value());
    EXPECT_EQ(*sign, c.Sign);
}

constexpr std::int16_t MinDay = std::numeric_limits<std::int16_t>::min();
constexpr std::int16_t MaxDay = std::numeric_limits<std::int16_t>::max();

// Each month's threshold day and the day after it, plus days the form would never send.
INSTANTIATE_TEST_SUITE_P(
    Dates, ClassifyBirthDateTest,
    testing::Values(
        DateCase{"January1", "January", 1, "Dey"}, DateCase{"January19", "January", 19, "Dey"},
        DateCase{"January20", "January", 20, "Bahman"},
        DateCase{"February18", "February", 18, "Bahman"},
        DateCase{"February19", "February", 19, "Esfand"},
        DateCase{"February29", "February", 29, "Esfand"},
        DateCase{"March20", "March", 20, "Esfand"}, DateCase{"March21", "March", 21, "Farvardin"},
        DateCase{"April20", "April", 20, "Farvardin"},
        DateCase{"April21", "April", 21, "Ordibehesht"},
        DateCase{"May21", "May", 21, "Ordibehesht"}, DateCase{"May22", "May", 22, "Khordad"},
        DateCase{"June22", "June", 22, "Khordad"}, DateCase{"June23", "June", 23, "Khordad"},
        DateCase{"June24", "June", 24, "Tir"}, DateCase{"July22", "July", 22, "Tir"},
        DateCase{"July23", "July", 23, "Mordad"}, DateCase{"August22", "August", 22, "Mordad"},
        DateCase{"August23", "August", 23, "Shahrivar"},
        DateCase{"September22", "September", 22, "Shahrivar"},
        DateCase{"September23", "September", 23, "Mehr"},
        DateCase{"October23", "October", 23, "Mehr"}, DateCase{"October24", "October", 24, "Aban"},
        DateCase{"November21", "November", 21, "Aban"},
        DateCase{"November22", "November", 22, "Azar"},
        DateCase{"December21", "December", 21, "Azar"},
        DateCase{"December22", "December", 22, "Dey"},
        DateCase{"December31", "December", 31, "Dey"}, DateCase{"March0", "March", 0, "Esfand"},
        DateCase{"March40", "March", 40, "Farvardin"},
        DateCase{"JuneMinimum", "June", MinDay, "Khordad"},
        DateCase{"JuneMaximum", "June", MaxDay, "Tir"}),
    CaseName<DateCase>);

struct UnknownMonth {
    std::string_view Label;
    std::string_view Month;
};

class UnknownMonthTest : public testing::TestWithParam<UnknownMonth> {};

TEST_P(UnknownMonthTest, GivesNoSign) {
    EXPECT_FALSE(ClassifyBirthDate(GetParam().Month, 21).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Months, UnknownMonthTest,
    testing::Values(UnknownMonth{"LowerCase", "march"}, UnknownMonth{"Empty", ""},
                    UnknownMonth{"LeadingSpace", " March"}, UnknownMonth{"TrailingSpace", "March "},
                    UnknownMonth{"Abbreviated", "Mar"}, UnknownMonth{"PersianMonth", "Farvardin"}),
    CaseName<UnknownMonth>);

// The form's month list is filled from this, so its order is the calendar's.
TEST(MonthNamesTest, ListsTheCalendarInOrder) {
    const std::array<std::string_view, 12> expected{
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    EXPECT_EQ(MonthNames(), expected);
}

} // namespace
} // namespace parsiva
