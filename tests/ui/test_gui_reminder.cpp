#include "tests/ui/WebWindows.h"

#include "ui/web/UpdateReminder.h"

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
        stored = StoredDateText(today.addDays(*c.storedDaysFromToday), locale);
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
        EXPECT_EQ(StoredPlainDuration(world), StoredDateText(today, locale));
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
    const QString old = StoredDateText(world.clock.date.addDays(-100), QLocale::system());
    const QString plainKey = FakeSettingsStore::path(
        world.program.applicationName, QStringLiteral("Settings"), QStringLiteral("Duration"));
    world.settings.values.insert(plainKey, old);
    ASSERT_TRUE(StartUp(world.program));
    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_EQ(world.settings.values.value(plainKey), old);
    EXPECT_EQ(StoredPlainDuration(world), StoredDateText(world.clock.date, QLocale::system()));
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

// --- The stored day in every locale: it survives the store's codec and reads back whatever the
// language of the run that wrote it.

const QLocale Persian(QLocale::Persian, QLocale::Iran);
const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);
const QLocale Arabic(QLocale::Arabic, QLocale::Egypt);
const QLocale Bengali(QLocale::Bengali, QLocale::Bangladesh);

// The test command also runs this program under a Persian desktop's environment; this makes
// sure the environment reached Qt, so the tables above ran in Persian there.
TEST(StoredDateEnvironment, IsTheDesktopsLocale) {
    const QString expected = qEnvironmentVariable("PARSIVA_TEST_SYSTEM_LOCALE");
    if (expected.isEmpty())
        GTEST_SKIP() << "run without a locale of its own";
    EXPECT_EQ(QLocale::system().name(), expected);
    EXPECT_EQ(StoredDateText(QDate(2026, 12, 9), QLocale::system()), "2026-12-09");
}

struct HandOverCase {
    const char* label;
    QLocale writer;
    QLocale reader;
    const char* stored; // what the writer's first start keeps
};

void PrintTo(const HandOverCase& c, std::ostream* out) {
    *out << c.label;
}

class StoredDateHandOver : public ::testing::TestWithParam<HandOverCase> {};

// A first start under one locale keeps today; under the other, fourteen days on nothing
// happens and nothing is written (an unreadable day would be replaced at once), and fifteen days
// on the reminder asks.
TEST_P(StoredDateHandOver, KeepsTheDayAcrossLocales) {
    const HandOverCase& c = GetParam();
    const QDate firstStart(2026, 12, 9);
    TestWorld writer;
    writer.clock.date = firstStart;
    RunUpdateReminder(writer.program, c.writer);
    EXPECT_TRUE(writer.messages.shown.empty());
    EXPECT_EQ(StoredPlainDuration(writer), QString::fromUtf8(c.stored));

    for (const int later : {14, 15}) {
        SCOPED_TRACE(later);
        TestWorld reader;
        reader.settings.values = writer.settings.values;
        reader.clock.date = firstStart.addDays(later);
        RunUpdateReminder(reader.program, c.reader);
        EXPECT_EQ(reader.messages.shown.size(), later == 15 ? 1u : 0u);
        EXPECT_EQ(reader.settings.writes, later == 15 ? 1 : 0);
        if (later == 15) {
            EXPECT_EQ(StoredPlainDuration(reader), StoredDateText(reader.clock.date, c.reader));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, StoredDateHandOver,
    ::testing::Values(HandOverCase{"PersianToEnglish", Persian, English, "2026-12-09"},
                      HandOverCase{"EnglishToPersian", English, Persian, "12/9/2026"},
                      HandOverCase{"CToPersian", QLocale::c(), Persian, "9 Dec 2026"},
                      HandOverCase{"PersianToPersian", Persian, Persian, "2026-12-09"},
                      HandOverCase{"PersianToC", Persian, QLocale::c(), "2026-12-09"},
                      HandOverCase{"ArabicToEnglish", Arabic, English, "2026-12-09"},
                      HandOverCase{"EnglishToArabic", English, Arabic, "12/9/2026"},
                      HandOverCase{"BengaliToPersian", Bengali, Persian, "2026-12-09"},
                      HandOverCase{"PersianToBengali", Persian, Bengali, "2026-12-09"},
                      HandOverCase{"GermanStaysAsItWas", German, German, "09.12.2026"},
                      HandOverCase{"PersianToGerman", Persian, German, "2026-12-09"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(StoredDateRule, SurvivesTheStoreAndReadsBackInEveryLocale) {
    const QDate dates[] = {QDate(2026, 12, 9), QDate(2000, 2, 29), QDate(1999, 1, 1),
                           QDate(2031, 7, 30)};
    const QLocale isoWriters[] = {Persian, Arabic, Bengali};
    const QLocale englishWriters[] = {English, QLocale::c()};
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        for (const QDate date : dates) {
            const QString text = StoredDateText(date, locale);
            const QString own = ShortDateText(date, locale);
            const std::string where = locale.name().toStdString() + " " + text.toStdString();
            EXPECT_TRUE(parsiva::SurvivesCodec(text.toStdString())) << where;
            EXPECT_EQ(ReadStoredDate(text, locale), date) << where;
            // The locale's own short date wherever it survives, so those stores are unchanged.
            if (parsiva::SurvivesCodec(own.toStdString())) {
                EXPECT_EQ(text, own) << where;
            } else {
                EXPECT_EQ(text, date.toString(Qt::ISODate)) << where;
            }
            // A store moved here from Persian, Arabic or Bengali reads everywhere; one moved
            // from English reads wherever the locale's own form could not be kept.
            for (const QLocale& writer : isoWriters) {
                EXPECT_EQ(ReadStoredDate(StoredDateText(date, writer), locale), date)
                    << where << " from " << writer.name().toStdString();
            }
            if (text != own) {
                for (const QLocale& writer : englishWriters) {
                    EXPECT_EQ(ReadStoredDate(StoredDateText(date, writer), locale), date)
                        << where << " from " << writer.name().toStdString();
                }
            }
        }
    }
}

} // namespace
