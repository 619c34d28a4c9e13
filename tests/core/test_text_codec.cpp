#include "core/readings/TextCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace parsiva;

namespace {

std::string Bytes(std::initializer_list<int> codes) {
    std::string out;
    for (const int c : codes) {
        out.push_back(static_cast<char>(c));
    }
    return out;
}

struct CodecCase {
    const char* label;
    std::string plain;        // UTF-8
    std::string encodedBytes; // Windows-1252 bytes of EncodeText(plain)
};

class Encode : public ::testing::TestWithParam<CodecCase> {};

TEST_P(Encode, ShiftsEachCodeUpBy85AndDropsWhatFallsOff) {
    const CodecCase& c = GetParam();
    EXPECT_EQ(ToWindows1252(EncodeText(c.plain)), c.encodedBytes);
    EXPECT_EQ(EncodeBytes(ToWindows1252(c.plain)), c.encodedBytes);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Encode,
    ::testing::Values(
        CodecCase{"Empty", "", ""}, CodecCase{"Abc", "abc", Bytes({182, 183, 184})},
        CodecCase{"Code170IsTheLastKept", "\xC2\xAA", Bytes({255})}, // U+00AA
        CodecCase{"Code171IsDropped",
                  "a\xC2\xAB"
                  "b",
                  Bytes({182, 183})},                                        // U+00AB
        CodecCase{"EAcuteIsDropped", "Ren\xC3\xA9", Bytes({167, 186, 195})}, // code 233
        CodecCase{"UnmappableBecomesQuestionMark", "a\xE2\x98\x83", Bytes({182, 63 + 85})},
        CodecCase{"MalformedUtf8BecomesQuestionMark",
                  "\xFF"
                  "a",
                  Bytes({148, 182})},
        CodecCase{"EuroSignIsCode128", "\xE2\x82\xAC", Bytes({213})},
        CodecCase{"ControlCodesShiftToo", "\r\n", Bytes({13 + 85, 10 + 85})}),
    [](const auto& info) { return std::string(info.param.label); });

class Decode : public ::testing::TestWithParam<CodecCase> {};

TEST_P(Decode, ShiftsEachCodeDownBy85AndDropsWhatFallsOff) {
    const CodecCase& c = GetParam();
    EXPECT_EQ(DecodeText(FromWindows1252(c.encodedBytes)), c.plain);
    EXPECT_EQ(FromWindows1252(DecodeBytes(c.encodedBytes)), c.plain);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Decode,
    ::testing::Values(CodecCase{"Empty", "", ""}, CodecCase{"Abc", "abc", Bytes({182, 183, 184})},
                      CodecCase{"Code85IsTheFirstKept", std::string(1, '\0'), Bytes({85})},
                      CodecCase{"Code84IsDropped", "a", Bytes({84, 182})},
                      CodecCase{"EverythingBelow85IsDropped", "", Bytes({0, 13, 10, 63, 84})},
                      CodecCase{"UndefinedCodeStaysItsOwnNumber", "\xC2\x81", Bytes({0x81 + 85})},
                      CodecCase{"HighCodeDecodesToTheCodePageCharacter", "\xE2\x82\xAC",
                                Bytes({213})}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Windows1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const std::string utf8 = FromWindows1252(all);
    EXPECT_EQ(ToWindows1252(utf8), all);
    // The undefined codes become the control characters of the same number.
    EXPECT_EQ(FromWindows1252(Bytes({0x8D, 0x9D})), "\xC2\x8D\xC2\x9D");
    EXPECT_EQ(FromWindows1252(Bytes({0x80, 0x9F})), "\xE2\x82\xAC\xC5\xB8");
}

TEST(Codec, DecodingAnEncodedTextGivesItBackLessTheDroppedCodes) {
    const std::string plain = "Ann Lee \xE2\x80\x93 \xC3\xA9t\xC3\xA9 \xC2\xA9";
    // The en dash (150) survives; é (233) and © (169 kept, 169+85 = 254) behave per code.
    EXPECT_EQ(DecodeText(EncodeText(plain)), "Ann Lee \xE2\x80\x93 t \xC2\xA9");
}

struct Utf8Case {
    const char* label;
    std::string bytes;
    bool valid;
};

class Utf8 : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8, OnlyWellFormedSequencesPass) {
    EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf8,
    ::testing::Values(
        Utf8Case{"Empty", "", true}, Utf8Case{"Ascii", "Ann Lee", true},
        Utf8Case{"Nul", std::string(1, '\0'), true}, Utf8Case{"TwoBytes", "\xC3\xA9", true},
        Utf8Case{"Persian", "\xD8\xB3\xDB\x8C", true}, Utf8Case{"ThreeBytes", "\xE2\x82\xAC", true},
        Utf8Case{"FourBytes", "\xF0\x9F\x8C\x9F", true},
        Utf8Case{"HighestCodePoint", "\xF4\x8F\xBF\xBF", true},
        Utf8Case{"ReplacementCharacterItself", "\xEF\xBF\xBD", true},
        Utf8Case{"StrayContinuation", "\x80", false}, Utf8Case{"Truncated", "a\xC3", false},
        Utf8Case{"TruncatedFourBytes", "\xF0\x9F\x8C", false},
        Utf8Case{"BadContinuation", "\xC3\x28", false}, Utf8Case{"Overlong", "\xC0\xAF", false},
        Utf8Case{"OverlongThreeBytes", "\xE0\x80\xAF", false},
        Utf8Case{"Surrogate", "\xED\xA0\x80", false},
        Utf8Case{"AboveTheLastCodePoint", "\xF4\x90\x80\x80", false},
        Utf8Case{"Latin1Byte", "Ren\xE9", false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(SurvivesCodecRule, HoldsOnlyForTextsTheStoreGivesBackUnchanged) {
    EXPECT_TRUE(SurvivesCodec(""));
    EXPECT_TRUE(SurvivesCodec("12/9/2026"));
    EXPECT_TRUE(SurvivesCodec("9 Dec 2026"));
    EXPECT_TRUE(SurvivesCodec("2026-12-09"));
    // Persian digits turn into question marks; the right-to-left mark has no code at all.
    EXPECT_FALSE(SurvivesCodec("۲۰۲۶/۱۲/۹"));
    EXPECT_FALSE(SurvivesCodec("9\xE2\x80\x8F/12\xE2\x80\x8F/2026"));
    // A code page letter above 170 is dropped by the shift.
    EXPECT_FALSE(SurvivesCodec("d\xC3\xA9"
                               "c"));
}

} // namespace
