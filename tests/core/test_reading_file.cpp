#include "core/readings/ReadingFile.h"
#include "core/readings/TextCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

using namespace parsiva;

namespace {

std::string Bytes(std::initializer_list<int> codes) {
    std::string out;
    for (const int c : codes) {
        out.push_back(static_cast<char>(c));
    }
    return out;
}

// Serves a fixed text in pieces of at most `piece` bytes, counting what was handed out.
struct StringSource {
    std::string bytes;
    std::size_t piece;
    std::size_t served = 0;

    std::optional<std::size_t> operator()(std::span<char> buffer) {
        const std::size_t n = std::min({piece, buffer.size(), bytes.size() - served});
        std::memcpy(buffer.data(), bytes.data() + served, n);
        served += n;
        return n;
    }
};

std::string Encoded(std::string_view plain) {
    return EncodeBytes(ToWindows1252(plain));
}

TEST(ReadingFileBytes, WorkedExampleIsExactly27Bytes) {
    const BirthDetails ann{"Ann Lee", 23, "August", 1975};
    EXPECT_EQ(ReadingFileBytes(ann), Bytes({0x96, 0xC3, 0xC3, 0x75, 0xA1, 0xBA, 0xBA, 0x0D, 0x0A,
                                            0x96, 0xCA, 0xBC, 0xCA, 0xC8, 0xC9, 0x0D, 0x0A, 0x87,
                                            0x88, 0x0D, 0x0A, 0x86, 0x8E, 0x8C, 0x8A, 0x0D, 0x0A}));
}

TEST(ReadingFileBytes, NameWithEAcuteIsSavedWithoutItAndOpensWithoutIt) {
    const BirthDetails rene{"Ren\xC3\xA9 Roy", 1, "January", 1900};
    const auto lines = ReadReadingLines(StringSource{ReadingFileBytes(rene), 4096});
    ASSERT_TRUE(lines.has_value());
    const OpenedReading opened = InterpretReadingLines(*lines);
    EXPECT_EQ(opened.Name, "Ren Roy");
    EXPECT_EQ(opened.MonthIndex, 0);
    EXPECT_EQ(opened.DayIndex, 0);
    EXPECT_EQ(opened.YearIndex, 0);
}

struct ParseCase {
    const char* label;
    std::string bytes;
    bool readable;
    std::string name;
    std::optional<int> month, day, year; // list positions
};

class Parse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parse, ReadsDecodesAndMatchesTheFourLines) {
    const ParseCase& c = GetParam();
    // CR LF split across pieces must read the same as in one piece.
    for (const std::size_t piece : {std::size_t{1}, std::size_t{3}, std::size_t{4096}}) {
        SCOPED_TRACE(piece);
        const auto lines = ReadReadingLines(StringSource{c.bytes, piece});
        ASSERT_EQ(lines.has_value(), c.readable);
        if (!lines) {
            continue;
        }
        const OpenedReading opened = InterpretReadingLines(*lines);
        EXPECT_EQ(opened.Name, c.name);
        EXPECT_EQ(opened.MonthIndex, c.month);
        EXPECT_EQ(opened.DayIndex, c.day);
        EXPECT_EQ(opened.YearIndex, c.year);
        EXPECT_EQ(opened.AllDateLinesMatch(), c.month && c.day && c.year);
    }
}

const std::string Ann = Encoded("Ann Lee");
const std::string August = Encoded("August");
const std::string Day23 = Encoded("23");
const std::string Year1975 = Encoded("1975");
constexpr int AugustAt = 7, Day23At = 22, Year1975At = 75;

INSTANTIATE_TEST_SUITE_P(
    Table, Parse,
    ::testing::Values(
        ParseCase{"FourLines", Ann + "\r\n" + August + "\r\n" + Day23 + "\r\n" + Year1975 + "\r\n",
                  true, "Ann Lee", AugustAt, Day23At, Year1975At},
        ParseCase{"NoFinalLineBreak", Ann + "\r\n" + August + "\r\n" + Day23 + "\r\n" + Year1975,
                  true, "Ann Lee", AugustAt, Day23At, Year1975At},
        ParseCase{"BareCrEndsALine", Ann + "\r" + August + "\r" + Day23 + "\r" + Year1975, true,
                  "Ann Lee", AugustAt, Day23At, Year1975At},
        ParseCase{"EmptyLineShiftsTheRest",
                  Ann + "\r\r\n" + August + "\r\n" + Day23 + "\r\n" + Year1975, true, "Ann Lee",
                  std::nullopt, std::nullopt, std::nullopt},
        ParseCase{"TwoLinesLeaveDayAndYearEmpty", Ann + "\r\n" + August + "\r\n", true, "Ann Lee",
                  AugustAt, std::nullopt, std::nullopt},
        ParseCase{"EmptyFile", "", true, "", std::nullopt, std::nullopt, std::nullopt},
        ParseCase{"LineFeedsOnly", Ann + "\n" + August + "\n" + Day23 + "\n" + Year1975 + "\n",
                  true, "Ann Lee", AugustAt, Day23At, Year1975At},
        ParseCase{"EveryLineEndMixed",
                  Ann + "\n" + August + "\r" + Day23 + "\r\n" + Year1975 + "\n", true, "Ann Lee",
                  AugustAt, Day23At, Year1975At},
        // LF CR is two line ends, not one: an empty line shifts the rest.
        ParseCase{"LineFeedThenCarriageReturn",
                  Ann + "\n\r" + August + "\n" + Day23 + "\n" + Year1975, true, "Ann Lee",
                  std::nullopt, std::nullopt, std::nullopt},
        ParseCase{"EmptyLineBetweenLineFeeds",
                  Ann + "\n\n" + August + "\n" + Day23 + "\n" + Year1975, true, "Ann Lee",
                  std::nullopt, std::nullopt, std::nullopt},
        ParseCase{"NonMatchingMonth",
                  Ann + "\r\n" + Encoded("august") + "\r\n" + Day23 + "\r\n" + Year1975, true,
                  "Ann Lee", std::nullopt, Day23At, Year1975At},
        ParseCase{"DayWithLeadingZero",
                  Ann + "\r\n" + August + "\r\n" + Encoded("05") + "\r\n" + Year1975, true,
                  "Ann Lee", AugustAt, std::nullopt, Year1975At},
        ParseCase{"YearOutsideTheList",
                  Ann + "\r\n" + August + "\r\n" + Day23 + "\r\n" + Encoded("2051"), true,
                  "Ann Lee", AugustAt, Day23At, std::nullopt},
        ParseCase{"EmptyNameWithValidDate", "\r\n" + August + "\r\n" + Day23 + "\r\n" + Year1975,
                  true, "", AugustAt, Day23At, Year1975At},
        ParseCase{"GarbageBytes", Bytes({0x00, 0x01, 0x54, 0xFF, 0x0D, 0x80, 0x0A, 0x0D, 0x0D}),
                  true, "\xC2\xAA", std::nullopt, std::nullopt, std::nullopt},
        ParseCase{"AnythingAfterTheFourthLineIsIgnored",
                  Ann + "\r\n" + August + "\r\n" + Day23 + "\r\n" + Year1975 + "\r\n" +
                      std::string(40000, 'x'),
                  true, "Ann Lee", AugustAt, Day23At, Year1975At},
        ParseCase{"LineOf32766BytesIsAccepted",
                  std::string(32766, '\xB6') + "\r\n" + August + "\r\n" + Day23 + "\r\n" + Year1975,
                  true, std::string(32766, 'a'), AugustAt, Day23At, Year1975At},
        ParseCase{"LineOf32767BytesMakesTheFileBad",
                  Ann + "\r\n" + August + "\r\n" + Day23 + "\r\n" + std::string(32767, '\x86'),
                  false, "", std::nullopt, std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ReadReadingLines, AReadFailureMakesTheFileBad) {
    int calls = 0;
    const auto lines = ReadReadingLines([&](std::span<char> buffer) -> std::optional<std::size_t> {
        if (++calls > 1) {
            return std::nullopt;
        }
        const std::string start = Ann + "\r\n";
        std::memcpy(buffer.data(), start.data(), start.size());
        return start.size();
    });
    EXPECT_FALSE(lines.has_value());
}

TEST(ReadReadingLines, NeverPullsMuchMoreThanTheLongestAllowedLine) {
    // An endless file without line breaks.
    std::size_t pulled = 0;
    const auto lines = ReadReadingLines([&](std::span<char> buffer) -> std::optional<std::size_t> {
        std::fill(buffer.begin(), buffer.end(), 'x');
        pulled += buffer.size();
        return buffer.size();
    });
    EXPECT_FALSE(lines.has_value());
    EXPECT_LE(pulled, MaxReadingLineBytes + 8192);
}

TEST(ReadReadingLines, StopsPullingOnceTheFourthLineIsComplete) {
    StringSource source{Ann + "\r\n" + August + "\r\n" + Day23 + "\r\n" + Year1975 + "\r\n" +
                            std::string(1'000'000, 'x'),
                        512};
    ASSERT_TRUE(ReadReadingLines(std::ref(source)).has_value());
    EXPECT_LT(source.served, 1024u);
}

struct EndingCase {
    const char* label;
    const char* path;
    bool accepted;
};

class Ending : public ::testing::TestWithParam<EndingCase> {};

TEST_P(Ending, OnlyLowerCaseZodAtTheVeryEndPasses) {
    EXPECT_EQ(HasReadingFileEnding(GetParam().path), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Ending,
    ::testing::Values(EndingCase{"DotZod", "/home/ann/reading.zod", true},
                      EndingCase{"ZodWithoutADot", "/home/ann/readingzod", true},
                      EndingCase{"UpperCase", "/home/ann/reading.ZOD", false},
                      EndingCase{"MixedCase", "/home/ann/reading.Zod", false},
                      EndingCase{"OtherExtension", "/home/ann/reading.txt", false},
                      EndingCase{"TrailingSpace", "/home/ann/reading.zod ", false},
                      EndingCase{"ShorterThanThree", "od", false}, EndingCase{"Empty", "", false}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
