#include "core/web/ReminderRule.h"
#include "core/web/TellAFriend.h"
#include "core/web/WebTexts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace parsiva;

namespace {

// --- The update reminder's rule over the stored day and today.

constexpr ReminderStep Silent = ReminderStep::WriteTodaySilently;
constexpr ReminderStep Rest = ReminderStep::Nothing;
constexpr ReminderStep Ask = ReminderStep::AskThenWriteToday;

struct ReminderCase {
    const char* label;
    std::optional<CalendarDate> lastReset;
    CalendarDate today;
    ReminderStep expected;
};

class Reminder : public ::testing::TestWithParam<ReminderCase> {};

TEST_P(Reminder, DecidesByWholeDaysEitherWay) {
    const ReminderCase& c = GetParam();
    EXPECT_EQ(DecideReminder(c.lastReset, c.today), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Reminder,
    ::testing::Values(
        ReminderCase{"MissingOrUnreadable", std::nullopt, {2026, 12, 9}, Silent},
        ReminderCase{"SameDay", CalendarDate{2026, 12, 9}, {2026, 12, 9}, Rest},
        ReminderCase{"FourteenDaysAgo", CalendarDate{2026, 11, 25}, {2026, 12, 9}, Rest},
        ReminderCase{"FifteenDaysAgo", CalendarDate{2026, 11, 24}, {2026, 12, 9}, Ask},
        ReminderCase{"FourteenDaysAhead", CalendarDate{2026, 12, 23}, {2026, 12, 9}, Rest},
        ReminderCase{"FifteenDaysAhead", CalendarDate{2026, 12, 24}, {2026, 12, 9}, Ask},
        ReminderCase{"SameDayAYearAgo", CalendarDate{2025, 12, 9}, {2026, 12, 9}, Ask},
        ReminderCase{"FromLeapDayFourteen", CalendarDate{2024, 2, 29}, {2024, 3, 14}, Rest},
        ReminderCase{"FromLeapDayFifteen", CalendarDate{2024, 2, 29}, {2024, 3, 15}, Ask},
        ReminderCase{"OverLeapDayFifteen", CalendarDate{2024, 2, 15}, {2024, 3, 1}, Ask},
        ReminderCase{"OverPlainFebruaryFourteen", CalendarDate{2025, 2, 15}, {2025, 3, 1}, Rest},
        ReminderCase{"Year2000IsLeap", CalendarDate{2000, 2, 15}, {2000, 3, 1}, Ask},
        ReminderCase{"Year2100IsNotLeap", CalendarDate{2100, 2, 15}, {2100, 3, 1}, Rest},
        ReminderCase{"OverYearEndFourteen", CalendarDate{2025, 12, 20}, {2026, 1, 3}, Rest},
        ReminderCase{"OverYearEndFifteen", CalendarDate{2025, 12, 19}, {2026, 1, 3}, Ask},
        ReminderCase{"AheadOverYearEndFifteen", CalendarDate{2027, 1, 8}, {2026, 12, 24}, Ask},
        ReminderCase{"AheadOverYearEndFourteen", CalendarDate{2027, 1, 7}, {2026, 12, 24}, Rest}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DayNumberRule, CountsFromTheFirstOf1970) {
    EXPECT_EQ(DayNumber({1970, 1, 1}), 0);
    EXPECT_EQ(DayNumber({1969, 12, 31}), -1);
    EXPECT_EQ(DayNumber({2000, 3, 1}), 11017);
}

struct WidenCase {
    const char* label;
    const char* format;
    const char* widened;
};

class Widen : public ::testing::TestWithParam<WidenCase> {};

TEST_P(Widen, GivesEveryYearFieldFourDigits) {
    EXPECT_EQ(WidenYear(GetParam().format), GetParam().widened);
}

INSTANTIATE_TEST_SUITE_P(Table, Widen,
                         ::testing::Values(WidenCase{"UnitedStates", "M/d/yy", "M/d/yyyy"},
                                           WidenCase{"Germany", "dd.MM.yy", "dd.MM.yyyy"},
                                           WidenCase{"AlreadyFour", "yyyy/MM/dd", "yyyy/MM/dd"},
                                           WidenCase{"YearFirst", "yy. M. d.", "yyyy. M. d."},
                                           WidenCase{"SingleY", "d/M/y", "d/M/yyyy"},
                                           WidenCase{"QuotedLiteralKept", "d.MM.yy 'yy'.",
                                                     "d.MM.yyyy 'yy'."},
                                           WidenCase{"EscapedQuote", "d''yy", "d''yyyy"}),
                         [](const auto& info) { return std::string(info.param.label); });

struct IsoCase {
    const char* label;
    const char* text;
    std::optional<CalendarDate> date;
};

class IsoDate : public ::testing::TestWithParam<IsoCase> {};

TEST_P(IsoDate, ReadsOnlyWhatItWrites) {
    const IsoCase& c = GetParam();
    const auto read = ReadIsoDate(c.text);
    ASSERT_EQ(read.has_value(), c.date.has_value());
    if (read) {
        EXPECT_EQ(read->Year, c.date->Year);
        EXPECT_EQ(read->Month, c.date->Month);
        EXPECT_EQ(read->Day, c.date->Day);
        EXPECT_EQ(IsoDateText(*read), c.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, IsoDate,
    ::testing::Values(IsoCase{"Plain", "2026-12-09", CalendarDate{2026, 12, 9}},
                      IsoCase{"FirstYear", "0001-01-01", CalendarDate{1, 1, 1}},
                      IsoCase{"LastYear", "9999-12-31", CalendarDate{9999, 12, 31}},
                      IsoCase{"LeapDay2000", "2000-02-29", CalendarDate{2000, 2, 29}},
                      IsoCase{"NoLeapDay1900", "1900-02-29", std::nullopt},
                      IsoCase{"NoLeapDay2026", "2026-02-29", std::nullopt},
                      IsoCase{"ThirtyFirstOfApril", "2026-04-31", std::nullopt},
                      IsoCase{"YearZero", "0000-01-01", std::nullopt},
                      IsoCase{"MonthThirteen", "2026-13-01", std::nullopt},
                      IsoCase{"DayZero", "2026-12-00", std::nullopt},
                      IsoCase{"UnpaddedMonth", "2026-1-09", std::nullopt},
                      IsoCase{"Slashes", "2026/12/09", std::nullopt},
                      IsoCase{"TrailingSpace", "2026-12-09 ", std::nullopt},
                      IsoCase{"Sign", "+026-12-09", std::nullopt},
                      IsoCase{"Empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

// --- Refer a friend.

ReferralDetails Filled() {
    return {"Ann", "ann@example.org", "Hello", "Bob", "bob@example.org"};
}

struct EmailCase {
    const char* label;
    const char* senderEmail;
    const char* friendEmail;
    std::optional<std::string_view> message;
};

class ReferralEmails : public ::testing::TestWithParam<EmailCase> {};

TEST_P(ReferralEmails, AreCheckedBeforeAnyOtherField) {
    // The names and message are missing: only the e-mail checks may speak here.
    ReferralDetails details{"", GetParam().senderEmail, "", "", GetParam().friendEmail};
    EXPECT_EQ(CheckReferralEmails(details), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReferralEmails,
    ::testing::Values(
        EmailCase{"PlaceholdersUntouched", "Your Email Address", "Friend's Email Address",
                  ProperEmailMessage},
        EmailCase{"EqualComesFirst", "ann", "ann", DistinctEmailsMessage},
        EmailCase{"BothEmpty", "", "", DistinctEmailsMessage},
        EmailCase{"CaseCounts", "Ann@example.org", "ann@example.org", std::nullopt},
        EmailCase{"SenderWithoutAt", "ann.example.org", "bob@example.org", ProperEmailMessage},
        EmailCase{"FriendWithoutAt", "ann@example.org", "bob.example.org", ProperEmailMessage},
        EmailCase{"SenderWithoutDot", "ann@example", "bob@example.org", ProperEmailMessage},
        EmailCase{"FriendWithoutDot", "ann@example.org", "bob@example", ProperEmailMessage},
        EmailCase{"DotBeforeAtPasses", "ann.lee@example", "bob.ray@example", std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

struct FieldCase {
    const char* label;
    ReferralDetails details;
    std::optional<std::string_view> message;
};

ReferralDetails With(std::string ReferralDetails::*field, std::string value) {
    ReferralDetails details = Filled();
    details.*field = std::move(value);
    return details;
}

class ReferralFields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ReferralFields, FailOnEmptyOrPlaceholderInTheirOrder) {
    EXPECT_EQ(CheckReferralDetails(GetParam().details), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReferralFields,
    ::testing::Values(
        FieldCase{"AllFilled", Filled(), std::nullopt},
        FieldCase{"NameEmpty", With(&ReferralDetails::SenderName, ""), SenderNameMessage},
        FieldCase{"NamePlaceholder", With(&ReferralDetails::SenderName, "Your Name"),
                  SenderNameMessage},
        FieldCase{"NameLikePlaceholderOtherCase", With(&ReferralDetails::SenderName, "your name"),
                  std::nullopt},
        FieldCase{"EmailEmpty", With(&ReferralDetails::SenderEmail, ""), SenderEmailMessage},
        FieldCase{"EmailPlaceholder", With(&ReferralDetails::SenderEmail, "Your Email Address"),
                  SenderEmailMessage},
        FieldCase{"MessageEmpty", With(&ReferralDetails::Message, ""), ReferralMessageMessage},
        FieldCase{"MessagePlaceholder", With(&ReferralDetails::Message, "Your Message"),
                  ReferralMessageMessage},
        FieldCase{"FriendNamePlaceholder", With(&ReferralDetails::FriendName, "Friend's Name"),
                  FriendNameMessage},
        FieldCase{"FriendEmailPlaceholder",
                  With(&ReferralDetails::FriendEmail, "Friend's Email Address"),
                  FriendEmailMessage},
        FieldCase{"NameBeforeMessage", ReferralDetails{"", "a@b.c", "", "Bob", "b@c.d"},
                  SenderNameMessage},
        FieldCase{"MessageBeforeFriend", ReferralDetails{"Ann", "a@b.c", "", "", ""},
                  ReferralMessageMessage},
        FieldCase{"FriendNameBeforeFriendEmail", ReferralDetails{"Ann", "a@b.c", "Hi", "", ""},
                  FriendNameMessage}),
    [](const auto& info) { return std::string(info.param.label); });

// Placeholders as a Persian form shows them: the checks follow what the boxes showed.
const ReferralDetails PersianPlaceholders{"نام شما", "ایمیل شما", "پیام شما", "نام دوست",
                                          "ایمیل دوست"};

class ShownPlaceholders : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ShownPlaceholders, CountAsNotFilledAndTheEnglishOnesAsTyped) {
    EXPECT_EQ(CheckReferralDetails(GetParam().details, PersianPlaceholders), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShownPlaceholders,
    ::testing::Values(
        FieldCase{"AllFilled", Filled(), std::nullopt},
        FieldCase{"Untouched", PersianPlaceholders, SenderNameMessage},
        FieldCase{"NamePlaceholder",
                  With(&ReferralDetails::SenderName, PersianPlaceholders.SenderName),
                  SenderNameMessage},
        FieldCase{"EmailPlaceholder",
                  With(&ReferralDetails::SenderEmail, PersianPlaceholders.SenderEmail),
                  SenderEmailMessage},
        FieldCase{"MessagePlaceholder",
                  With(&ReferralDetails::Message, PersianPlaceholders.Message),
                  ReferralMessageMessage},
        FieldCase{"FriendNamePlaceholder",
                  With(&ReferralDetails::FriendName, PersianPlaceholders.FriendName),
                  FriendNameMessage},
        FieldCase{"FriendEmailPlaceholder",
                  With(&ReferralDetails::FriendEmail, PersianPlaceholders.FriendEmail),
                  FriendEmailMessage},
        FieldCase{"EmptyStillFails", With(&ReferralDetails::Message, ""), ReferralMessageMessage},
        FieldCase{"EnglishPlaceholderIsTypedText", EnglishPlaceholders(), std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(TrimmedReferralRule, TrimsOnlyOuterSpacesOfEachField) {
    const ReferralDetails trimmed =
        TrimmedReferral({"  Ann Lee ", " a@b.c", " two\nlines ", "Bob  ", "\tb@c.d"});
    EXPECT_EQ(trimmed.SenderName, "Ann Lee");
    EXPECT_EQ(trimmed.SenderEmail, "a@b.c");
    EXPECT_EQ(trimmed.Message, "two\nlines");
    EXPECT_EQ(trimmed.FriendName, "Bob");
    EXPECT_EQ(trimmed.FriendEmail, "\tb@c.d");
}

TEST(ReferralAddressRule, PutsTheFiveValuesAndThisProgramsPageInFixedOrder) {
    EXPECT_EQ(BuildReferralAddress(Filled()),
              "https://www.velmora.example/parsiva/ssd.php?page=qxvs-refer-a-friend"
              "&taf1=Ann&taf2=ann@example.org&taf3=Hello&taf4=Bob&taf5=bob@example.org"
              "&taf6=https://www.velmora.example/parsiva/");
}

TEST(ReferralAddressRule, EncodesWhatWouldReshapeTheQuery) {
    ReferralDetails details = Filled();
    details.SenderName = "Ann & Bob=1 #2";
    details.Message = "100% +fun\r\nline two";
    details.FriendName = "Zo\xC3\xAB";
    EXPECT_EQ(BuildReferralAddress(details),
              "https://www.velmora.example/parsiva/ssd.php?page=qxvs-refer-a-friend"
              "&taf1=Ann%20%26%20Bob%3D1%20%232&taf2=ann@example.org"
              "&taf3=100%25%20%2Bfun%0D%0Aline%20two&taf4=Zo%C3%AB&taf5=bob@example.org"
              "&taf6=https://www.velmora.example/parsiva/");
}

TEST(ReferralAddressRule, LeavesOnlyUnreservedCharactersAsTheyAre) {
    EXPECT_EQ(PercentEncode("AZaz09-._~:@/"), "AZaz09-._~:@/");
    EXPECT_EQ(PercentEncode("?;,\"'<>\\[]{}|^`"), "%3F%3B%2C%22%27%3C%3E%5C%5B%5D%7B%7D%7C%5E%60");
    EXPECT_EQ(PercentEncode(""), "");
}

TEST(Placeholders, EmptyOnFocusOnlyWhenTheBoxHoldsItsPlaceholder) {
    EXPECT_TRUE(EmptiesOnFocus("Your Name", SenderNamePlaceholder));
    EXPECT_TRUE(EmptiesOnFocus("  Your Name ", SenderNamePlaceholder));
    EXPECT_FALSE(EmptiesOnFocus("Your name", SenderNamePlaceholder));
    EXPECT_FALSE(EmptiesOnFocus("Your Name Here", SenderNamePlaceholder));
    EXPECT_FALSE(EmptiesOnFocus("", SenderNamePlaceholder));
}

TEST(Placeholders, ComeBackWhenTheBoxIsLeftEmptyOrAllSpaces) {
    EXPECT_TRUE(RestoresOnLeave(""));
    EXPECT_TRUE(RestoresOnLeave("    "));
    EXPECT_FALSE(RestoresOnLeave(" x "));
    EXPECT_FALSE(RestoresOnLeave("\t"));
}

TEST(Appeals, IndexIsTheWholePartOfFourTimesTheDraw) {
    EXPECT_EQ(AppealIndex(0.0f), 0);
    EXPECT_EQ(AppealIndex(0.2499f), 0);
    EXPECT_EQ(AppealIndex(0.25f), 1);
    EXPECT_EQ(AppealIndex(0.5f), 2);
    EXPECT_EQ(AppealIndex(0.74999f), 2);
    EXPECT_EQ(AppealIndex(0.75f), 3);
    EXPECT_EQ(AppealIndex(0.99999994f), 3);
}

TEST(Captions, NameThePublishersSite) {
    EXPECT_EQ(ExitVisitCaption(), "Click Here To Visit https://www.velmora.example Now");
    EXPECT_EQ(AboutHomePageCaption(), "Click here to visit https://www.velmora.example");
}

} // namespace
