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

struct SavedNameCase {
    const char* label;
    const char* name;
    const char* lineOne; // line 1 as it decodes: what every reader of the four lines sees
    const char* base64;  // of the fifth line; null: the file has four lines only
};

class SavedName : public ::testing::TestWithParam<SavedNameCase> {};

TEST_P(SavedName, KeepsTheFourLinesAndAddsTheExactNameOnlyWhenTheyLoseIt) {
    const SavedNameCase& c = GetParam();
    const BirthDetails details{c.name, 1, "January", 1900};
    std::string expected = Encoded(c.lineOne) + "\r\n" + Encoded("January") + "\r\n" +
                           Encoded("1") + "\r\n" + Encoded("1900") + "\r\n";
    if (c.base64) {
        expected += Encoded(std::string("U8:") + c.base64) + "\r\n";
    }
    const std::string bytes = ReadingFileBytes(details);
    EXPECT_EQ(bytes, expected);
    // Every byte other than a line break still lies between 85 and 255.
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        EXPECT_TRUE(code == '\r' || code == '\n' || code >= 85) << int(code);
    }

    const auto lines = ReadReadingLines(StringSource{bytes, 4096});
    ASSERT_TRUE(lines.has_value());
    const OpenedReading opened = InterpretReadingLines(*lines);
    EXPECT_EQ(opened.Name, c.name);
    EXPECT_EQ(opened.MonthIndex, 0);
    EXPECT_EQ(opened.DayIndex, 0);
    EXPECT_EQ(opened.YearIndex, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SavedName,
    ::testing::Values(SavedNameCase{"Latin", "Ann Lee", "Ann Lee", nullptr},
                      // Windows-1252 codes up to 170 pass the codec.
                      SavedNameCase{"CopyrightSignKept", "Zoe d'Arc \xC2\xA9", "Zoe d'Arc \xC2\xA9",
                                    nullptr},
                      SavedNameCase{"Empty", "", "", nullptr},
                      SavedNameCase{"EAcute", "Ren\xC3\xA9 Roy", "Ren Roy", "UmVuw6kgUm95"},
                      SavedNameCase{"Persian",
                                    "\xD8\xB3\xD8\xA7\xD8\xB1\xD8\xA7 "
                                    "\xD8\xB1\xD8\xB6\xD8\xA7\xDB\x8C\xDB\x8C",
                                    "???? ?????", "2LPYp9ix2Kcg2LHYttin24zbjA=="},
                      SavedNameCase{"EmojiOutsideTheBasicPlane", "Ann \xF0\x9F\x8C\x9F Lee",
                                    "Ann ? Lee", "QW5uIPCfjJ8gTGVl"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ExactNameLine, FitsTheLongestNameTheBoxHoldsAndIsLeftOutBeyondItsBound) {
    // 32,767 UTF-16 units of three UTF-8 bytes each: the most a name box can hand over.
    std::string longest;
    for (int i = 0; i < 32767; ++i) {
        longest += "\xE4\xB8\x80";
    }
    const auto line = ExactNameLine(longest);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->size(), 3 + 131068 + 2);
    EXPECT_LE(line->size() - 2, MaxExactNameLineBytes);

    const std::string tooLong = longest + "\xE4\xB8\x80";
    EXPECT_FALSE(ExactNameLine(tooLong).has_value());
}

struct Base64Case {
    const char* label;
    std::string bytes;
    const char* text;
};

class Base64 : public ::testing::TestWithParam<Base64Case> {};

TEST_P(Base64, EncodesAndDecodesBothWays) {
    EXPECT_EQ(Base64Encode(GetParam().bytes), GetParam().text);
    EXPECT_EQ(Base64Decode(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Base64,
    ::testing::Values(Base64Case{"Empty", "", ""}, Base64Case{"OneByte", "f", "Zg=="},
                      Base64Case{"TwoBytes", "fo", "Zm8="}, Base64Case{"ThreeBytes", "foo", "Zm9v"},
                      Base64Case{"FourBytes", "foob", "Zm9vYg=="},
                      Base64Case{"FiveBytes", "fooba", "Zm9vYmE="},
                      Base64Case{"SixBytes", "foobar", "Zm9vYmFy"},
                      Base64Case{"HighBytesUseSlash", Bytes({0xFF, 0xFE, 0xFD}), "//79"},
                      Base64Case{"PlusAndPadding", Bytes({0xFB, 0xFF}), "+/8="},
                      Base64Case{"NulBytes", std::string(4, '\0'), "AAAAAA=="}),
    [](const auto& info) { return std::string(info.param.label); });

struct BadBase64Case {
    const char* label;
    const char* text;
};

class BadBase64 : public ::testing::TestWithParam<BadBase64Case> {};

TEST_P(BadBase64, IsRefused) {
    EXPECT_FALSE(Base64Decode(GetParam().text).has_value());
}

INSTANTIATE_TEST_SUITE_P(Table, BadBase64,
                         ::testing::Values(BadBase64Case{"NotAMultipleOfFour", "Zg="},
                                           BadBase64Case{"MissingPadding", "Zg"},
                                           BadBase64Case{"ThreePaddingSigns", "Z==="},
                                           BadBase64Case{"OnlyPadding", "===="},
                                           BadBase64Case{"PaddingInTheMiddle", "Zg==Zg=="},
                                           BadBase64Case{"BitsAfterTheLastByteOfOne", "Zh=="},
                                           BadBase64Case{"BitsAfterTheLastByteOfTwo", "Zm9="},
                                           BadBase64Case{"UrlAlphabet", "Zm-_"},
                                           BadBase64Case{"Space", "Zm 9"},
                                           BadBase64Case{"LineFeed", "Zm9v\n"},
                                           BadBase64Case{"Latin1Letter", "Zm9\xE9"}),
                         [](const auto& info) { return std::string(info.param.label); });

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
// The four lines that René Roy's reading leaves to every reader of the format.
const std::string RenFile =
    Encoded("Ren Roy") + "\r\n" + August + "\r\n" + Day23 + "\r\n" + Year1975 + "\r\n";

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
        ParseCase{"FifthLineGivesTheExactName", RenFile + Encoded("U8:UmVuw6kgUm95") + "\r\n", true,
                  "Ren\xC3\xA9 Roy", AugustAt, Day23At, Year1975At},
        ParseCase{"FifthLineWithoutItsLineBreak", RenFile + Encoded("U8:UmVuw6kgUm95"), true,
                  "Ren\xC3\xA9 Roy", AugustAt, Day23At, Year1975At},
        // Line 1 wins wherever the fifth line is not what this program writes.
        ParseCase{"FifthLineDisagreesWithLineOne", RenFile + Encoded("U8:Qm9i") + "\r\n", true,
                  "Ren Roy", AugustAt, Day23At, Year1975At},
        ParseCase{"FifthLineWithAnotherTag", RenFile + Encoded("U9:UmVuw6kgUm95") + "\r\n", true,
                  "Ren Roy", AugustAt, Day23At, Year1975At},
        ParseCase{"FifthLineWithBadBase64", RenFile + Encoded("U8:UmVuw6kgUm9") + "\r\n", true,
                  "Ren Roy", AugustAt, Day23At, Year1975At},
        ParseCase{"FifthLineNotUtf8", RenFile + Encoded("U8:wyg=") + "\r\n", true, "Ren Roy",
                  AugustAt, Day23At, Year1975At},
        ParseCase{"FifthLineEmpty", RenFile + "\r\n", true, "Ren Roy", AugustAt, Day23At,
                  Year1975At},
        ParseCase{"FifthLineBeyondItsBoundIsIgnored",
                  RenFile + Encoded("U8:") + std::string(MaxExactNameLineBytes, '\x96'), true,
                  "Ren Roy", AugustAt, Day23At, Year1975At},
        ParseCase{"SixthLineIgnored",
                  RenFile + Encoded("U8:UmVuw6kgUm95") + "\r\n" + Encoded("U8:Qm9i") + "\r\n", true,
                  "Ren\xC3\xA9 Roy", AugustAt, Day23At, Year1975At},
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

TEST(ReadReadingLines, StopsPullingOnceAnOverlongFifthLineReachesItsBound) {
    StringSource source{RenFile + Encoded("U8:") + std::string(2 * MaxExactNameLineBytes, '\x96'),
                        512};
    const auto lines = ReadReadingLines(std::ref(source));
    ASSERT_TRUE(lines.has_value());
    EXPECT_TRUE((*lines)[4].empty());
    EXPECT_LT(source.served, RenFile.size() + MaxExactNameLineBytes + 1024);
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
