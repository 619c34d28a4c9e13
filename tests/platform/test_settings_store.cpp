#include "tests/support/FakeServices.h"

#include "core/readings/TextCodec.h"
#include "platform/ShortDate.h"
#include "ui/base/Settings.h"
#include "ui/web/UpdateReminder.h"
#include "app/WindowMoves.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include <string>

namespace {

// The real store, kept in a temporary folder in place of the user's own settings.
struct RealStore : ::testing::Test {
    void SetUp() override {
        UseWindowMoves(program);
        ASSERT_TRUE(folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    }

    QString character(int code) {
        return QString::fromStdString(parsiva::FromWindows1252(std::string(1, char(code))));
    }

    QTemporaryDir folder;
    QtSettingsStore store;
    TestWorld world;
    Program program{Services{.messages = world.messages,
                             .instanceLock = world.instanceLock,
                             .random = world.random,
                             .process = world.process,
                             .clock = world.clock,
                             .launcher = world.launcher,
                             .settings = store,
                             .fileDialogs = world.fileDialogs,
                             .printer = world.printer,
                             .clipboard = world.clipboard},
                    QStringLiteral("parsiva-store-test")};
};

TEST_F(RealStore, KeepsEveryCharacterCodeInKeysAndValues) {
    // All written first, so two keys that the store confused would show up on reading.
    const QString app = QStringLiteral("codes");
    for (int code = 1; code < 256; ++code) {
        const QString c = character(code);
        ASSERT_TRUE(store.write(app, QStringLiteral("Settings"), c, c + QStringLiteral("v") + c));
        ASSERT_TRUE(store.write(app, QStringLiteral("Settings"), QStringLiteral("k") + c + c,
                                QString::number(code)));
    }
    QtSettingsStore reader;
    for (int code = 1; code < 256; ++code) {
        const QString c = character(code);
        EXPECT_EQ(reader.read(app, QStringLiteral("Settings"), c), c + QStringLiteral("v") + c)
            << code;
        EXPECT_EQ(reader.read(app, QStringLiteral("Settings"), QStringLiteral("k") + c + c),
                  QString::number(code))
            << code;
    }
    EXPECT_EQ(reader.read(app, QStringLiteral("Settings"), QStringLiteral("missing")), "");
}

TEST_F(RealStore, SettingsRoundTripThroughTheCodec) {
    std::string every;
    for (int code = 1; code < 171; ++code)
        every += parsiva::FromWindows1252(std::string(1, char(code)));
    ASSERT_TRUE(WriteSetting(program, every, every));
    ASSERT_TRUE(WriteSetting(program, "Duration", "12/9/2026"));
    EXPECT_EQ(ReadSetting(program, every), every);
    EXPECT_EQ(ReadSetting(program, "Duration"), "12/9/2026");
    EXPECT_EQ(ReadSetting(program, "Nothing"), "");

    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, program.applicationName,
                  program.applicationName);
    EXPECT_FALSE(raw.contains(QStringLiteral("Settings/Duration")));
    EXPECT_TRUE(
        raw.contains(QStringLiteral(u"Settings/\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3")));
}

TEST_F(RealStore, ReminderIgnoresAPlainDurationEntry) {
    const QString old = ShortDateText(world.clock.date.addDays(-60), QLocale::system());
    {
        QSettings raw(QSettings::NativeFormat, QSettings::UserScope, program.applicationName,
                      program.applicationName);
        raw.setValue(QStringLiteral("Settings/Duration"), old);
    }
    RunUpdateReminder(program);
    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_EQ(QString::fromStdString(ReadSetting(program, "Duration")),
              ShortDateText(world.clock.date, QLocale::system()));
    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, program.applicationName,
                  program.applicationName);
    EXPECT_EQ(raw.value(QStringLiteral("Settings/Duration")).toString(), old);

    // The next start, sixty days on, is due.
    world.clock.date = world.clock.date.addDays(60);
    RunUpdateReminder(program);
    EXPECT_EQ(world.messages.shown.size(), 1u);
}

TEST(ApplicationName, IsTheProgramFileNameLessOnlyItsLastExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/parsiva", "parsiva"},
        {"/opt/velmora/parsiva.exe", "parsiva"},
        {"/home/ann/parsiva.v2.bin", "parsiva.v2"},
        {"/home/ann.lee/bin/parsiva", "parsiva"},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(ApplicationNameOf(QString::fromLatin1(path)), QString::fromLatin1(name)) << path;
}

} // namespace
