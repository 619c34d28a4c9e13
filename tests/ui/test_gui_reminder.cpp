#include "tests/ui/WebWindows.h"

namespace {

// --- The update reminder at start-up.

const QString EncodedDurationKey =
    QStringLiteral(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");

QString StoreKey(TestWorld& world) {
    return FakeSettingsStore::path(world.program.applicationName, QStringLiteral("Settings"),
                                   EncodedDurationKey);
}

QString Encoded(const QString& plain) {
    return QString::fromStdString(parsiva::EncodeText(plain.toStdString()));
}

QString StoredPlainDuration(TestWorld& world) {
    return QString::fromStdString(
        parsiva::DecodeText(world.settings.values.value(StoreKey(world)).toStdString()));
}

struct ReminderCase {
    const char* label;
    std::optional<int> storedDaysFromToday; // none: no entry
    const char* storedText;                 // used when set, in place of a date
    MessageAnswer answer;
    bool failWrites;
    bool asks;
    bool opensDownload;
    bool writesToday;
};

class StartUpReminder : public ::testing::TestWithParam<ReminderCase> {};

TEST_P(StartUpReminder, AsksOnlyWhenDueAndBeforeTheMainFormExists) {
    const ReminderCase& c = GetParam();
    TestWorld world;
    const QDate today = world.clock.date;
    const QLocale locale = QLocale::system();
    QString stored;
    if (c.storedText)
        stored = QString::fromUtf8(c.storedText);
    else if (c.storedDaysFromToday)
        stored = ShortDateText(today.addDays(*c.storedDaysFromToday), locale);
    if (!stored.isNull())
        world.settings.values.insert(StoreKey(world), Encoded(stored));
    world.settings.failWrites = c.failWrites;
    world.messages.answers.push_back(c.answer);
    bool mainFormDuringQuestion = true;
    int writesDuringQuestion = -1;
    world.messages.whileShown = [&] {
        mainFormDuringQuestion = !OpenWindowsOf<frmMain>().isEmpty();
        writesDuringQuestion = world.settings.writes;
    };

    ASSERT_TRUE(StartUp(world.program));

    if (c.asks) {
        ASSERT_EQ(world.messages.shown.size(), 1u);
        const RecordedMessage& question = world.messages.shown.front();
        EXPECT_EQ(question.text, "There maybe an update to this software available\r"
                                 "Do you want to check for an update?");
        EXPECT_EQ(question.icon, MessageIcon::Information);
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_EQ(question.caption, "Parsiva");
        EXPECT_FALSE(mainFormDuringQuestion);
        EXPECT_EQ(writesDuringQuestion, 0);
    } else {
        EXPECT_TRUE(world.messages.shown.empty());
    }
    EXPECT_EQ(world.launcher.opened,
              c.opensDownload ? QStringList{Page("download-web-page")} : QStringList{});
    if (c.writesToday) {
        EXPECT_EQ(world.settings.writes, 1);
        EXPECT_EQ(StoredPlainDuration(world), ShortDateText(today, locale));
    } else if (!c.failWrites) {
        EXPECT_EQ(world.settings.writes, 0);
    }
    EXPECT_EQ(OpenWindowsOf<frmMain>().size(), 1);
}

constexpr auto Yes = MessageAnswer::Yes;
constexpr auto No = MessageAnswer::No;

INSTANTIATE_TEST_SUITE_P(
    Table, StartUpReminder,
    ::testing::Values(
        ReminderCase{"FirstStart", std::nullopt, nullptr, Yes, false, false, false, true},
        ReminderCase{"FourteenDaysAgo", -14, nullptr, Yes, false, false, false, false},
        ReminderCase{"FourteenDaysAhead", 14, nullptr, Yes, false, false, false, false},
        ReminderCase{"FifteenDaysAgoYes", -15, nullptr, Yes, false, true, true, true},
        ReminderCase{"FifteenDaysAgoNo", -15, nullptr, No, false, true, false, true},
        ReminderCase{"FifteenDaysAheadNo", 15, nullptr, No, false, true, false, true},
        ReminderCase{"UnreadableStartsAfresh", std::nullopt, "not a date", Yes, false, false, false,
                     true},
        ReminderCase{"FailedWriteOpensNothing", -15, nullptr, Yes, true, true, false, false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(StartUpReminderRule, IgnoresAPlainDurationEntry) {
    TestWorld world;
    const QString old = ShortDateText(world.clock.date.addDays(-100), QLocale::system());
    const QString plainKey = FakeSettingsStore::path(
        world.program.applicationName, QStringLiteral("Settings"), QStringLiteral("Duration"));
    world.settings.values.insert(plainKey, old);
    ASSERT_TRUE(StartUp(world.program));
    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_EQ(world.settings.values.value(plainKey), old);
    EXPECT_EQ(StoredPlainDuration(world), ShortDateText(world.clock.date, QLocale::system()));
}

TEST(ShortDateRule, ReadsBackToTheSameDayInEveryLocale) {
    const QDate dates[] = {QDate(2026, 12, 9), QDate(2000, 2, 29), QDate(1999, 1, 1),
                           QDate(2031, 7, 30)};
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        for (const QDate date : dates) {
            const QString text = ShortDateText(date, locale);
            EXPECT_EQ(ReadShortDate(text, locale), date)
                << locale.name().toStdString() << " " << text.toStdString();
        }
    }
    EXPECT_EQ(ShortDateText(QDate(2026, 12, 9), QLocale(QStringLiteral("en_US"))), "12/9/2026");
    EXPECT_EQ(ShortDateText(QDate(2026, 12, 9), QLocale(QStringLiteral("de_DE"))), "09.12.2026");
    EXPECT_FALSE(ReadShortDate(QStringLiteral("not a date"), QLocale::system()).isValid());
}

} // namespace
