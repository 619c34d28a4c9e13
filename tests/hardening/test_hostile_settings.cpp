#include "tests/hardening/Hardening.h"

#include "core/readings/TextCodec.h"
#include "platform/ShortDate.h"
#include "ui/base/Settings.h"
#include "ui/workflow/frmMain.h"
#include "app/StartUp.h"
#include "app/WindowMoves.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <random>

using namespace hardening;

namespace {

// The real settings store, kept in a temporary folder in place of the user's own.
class HostileStore : public ::testing::Test {
protected:
    void SetUp() override {
        UseWindowMoves(program);
        ASSERT_TRUE(folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        world.messages.answers = {MessageAnswer::No};
    }
    void TearDown() override { CloseEverything(program); }

    QString storeFile() const {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, program.applicationName,
                         program.applicationName)
            .fileName();
    }

    QTemporaryDir folder;
    TestWorld world;
    QtSettingsStore store;
    Program program{ServicesOf(world, {.settings = &store}), QStringLiteral("parsiva-hostile")};
};

// The store's own name of the "Duration" entry, as the program writes it.
QString EncodedDurationKey() {
    return QStringLiteral("Settings/") + QString::fromStdString(parsiva::EncodeText("Duration"));
}

void StoreRaw(const QString& file, const QString& key, const QString& value) {
    QSettings raw(file, QSettings::IniFormat);
    raw.setValue(key, value);
    raw.sync();
    ASSERT_EQ(raw.status(), QSettings::NoError);
}

void StoreDuration(const QString& file, const QString& plain) {
    StoreRaw(file, EncodedDurationKey(),
             QString::fromStdString(parsiva::EncodeText(plain.toStdString())));
}

// Repeats the value of an entry whose text is unit in the store file, so that a value of many
// megabytes is made without the slow way through QSettings.
void Inflate(const QString& file, const QByteArray& unit, qsizetype times) {
    QByteArray bytes = ContentsOf(file);
    const QByteArray entry = '=' + unit + '\n';
    const qsizetype at = bytes.indexOf(entry);
    ASSERT_GE(at, 0) << bytes.toStdString();
    bytes.replace(at, entry.size(), '=' + unit.repeated(times) + '\n');
    WriteFile(file, bytes);
}

struct StoreCase {
    const char* label;
    std::function<void(const QString& file)> make;
    bool asks;            // the update question comes up (and is answered No)
    bool keepsTodayAfter; // the stored date is today's afterwards
};

class StartUpWithStore : public HostileStore, public ::testing::WithParamInterface<StoreCase> {};

TEST_P(StartUpWithStore, StillShowsTheBirthDetailsForm) {
    const StoreCase& c = GetParam();
    const QString file = storeFile();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
    c.make(file);

    ASSERT_TRUE(StartUp(program));

    EXPECT_EQ(OpenWindowsOf<frmMain>().size(), 1);
    EXPECT_EQ(program.openWindows().size(), 1);
    EXPECT_EQ(world.process.ends, 0);
    EXPECT_TRUE(world.launcher.opened.isEmpty());
    ASSERT_EQ(world.messages.shown.size(), c.asks ? 1u : 0u);
    if (c.asks) {
        EXPECT_EQ(world.messages.shown[0].buttons, MessageButtons::YesNo);
    }
    const QString today = ShortDateText(world.clock.date, QLocale::system());
    const QString stored = QString::fromStdString(ReadSetting(program, "Duration"));
    if (c.keepsTodayAfter) {
        EXPECT_EQ(stored, today);
    } else {
        EXPECT_NE(stored, today);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, StartUpWithStore,
    ::testing::Values(
        StoreCase{"NoStoreYet", [](const QString&) {}, false, true},
        StoreCase{"UnreadableDate",
                  [](const QString& file) { StoreDuration(file, QStringLiteral("31/31/31 ??")); },
                  false, true},
        StoreCase{"DateFarInTheFuture",
                  [](const QString& file) {
                      StoreDuration(file, ShortDateText(QDate(9999, 12, 31), QLocale::system()));
                  },
                  true, true},
        StoreCase{"DateFarInThePast",
                  [](const QString& file) {
                      StoreDuration(file, ShortDateText(QDate(1000, 1, 1), QLocale::system()));
                  },
                  true, true},
        // The codec turns each "7" into "Œ", two bytes in the file.
        StoreCase{"MegabytesOfDigits",
                  [](const QString& file) {
                      StoreDuration(file, QStringLiteral("7"));
                      Inflate(file, "\xC5\x92", 4 * 1024 * 1024);
                  },
                  false, true},
        StoreCase{"MegabytesUnderAnotherKey",
                  [](const QString& file) {
                      StoreRaw(file, QStringLiteral("Settings/Other"), QStringLiteral("x"));
                      Inflate(file, "x", 8 * 1024 * 1024);
                  },
                  false, true},
        // Only the encoded key counts; a plain one left by anything else is no date of ours.
        StoreCase{"PlainDurationKey",
                  [](const QString& file) {
                      StoreRaw(file, QStringLiteral("Settings/Duration"),
                               ShortDateText(QDate(2026, 1, 1), QLocale::system()));
                  },
                  false, true},
        StoreCase{"BinaryGarbageFile",
                  [](const QString& file) { WriteFile(file, Garbage(64 * 1024, 1)); }, false, true},
        StoreCase{"BrokenIniText",
                  [](const QString& file) {
                      WriteFile(file, "[Settings\n=no key\n[[]]]\n\\\\\\\n%%%=%\n"
                                      "key with no value\n[Settings]\n\x96=\"unclosed\n");
                  },
                  false, true},
        // Nothing can be read or written there, so every start counts as the first one.
        StoreCase{"StoreFileIsAFolder",
                  [](const QString& file) { ASSERT_TRUE(QDir().mkpath(file)); }, false, false}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
