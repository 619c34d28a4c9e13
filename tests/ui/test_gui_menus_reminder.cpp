#include "tests/support/Windows.h"

#include "core/readings/TextCodec.h"
#include "core/web/ReminderRule.h"
#include "platform/ShortDate.h"
#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

// Readable failure output for Qt texts.
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << texts.join(QStringLiteral("\n")).toStdString();
}

namespace {

// Each separator line of the bar's menus, by name, in order.
QStringList SeparatorNames(QMainWindow& window) {
    QStringList names;
    for (QAction* top : window.menuBar()->actions()) {
        if (QMenu* menu = top->menu()) {
            for (QAction* item : menu->actions()) {
                if (item->isSeparator())
                    names << menu->objectName() + QLatin1Char('/') + item->objectName();
            }
        }
    }
    return names;
}

TEST(MenuSeparators, CarryTheNamesOfTheirMenuTables) {
    TestWorld world;
    frmMain* form = OpenMainForm(world.program);
    EXPECT_EQ(SeparatorNames(*form),
              QStringList({"mnuFile/mnuSep1", "mnuHelp/mnuSep2", "mnuHelp/mnuSep3"}));
    auto* result = new frmIranianAstrologyResult(world.program);
    world.program.adoptWindow(result);
    EXPECT_EQ(SeparatorNames(*result),
              QStringList({"mnuFile/mnuFileSep1", "mnuHelp/mnuHelpSep1", "mnuHelp/mnuHelpSep2"}));
}

TEST(UpdateReminder, KeepsTheDayTheQuestionIsAnsweredWhenThatIsPastMidnight) {
    for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        TestWorld world;
        const QLocale locale = QLocale::system();
        const QDate asked = world.clock.date;
        const QString key = FakeSettingsStore::path(
            world.program.applicationName, QStringLiteral("Settings"),
            QString::fromStdString(parsiva::EncodeText(parsiva::DurationKey)));
        world.settings.values.insert(
            key, QString::fromStdString(
                     parsiva::EncodeText(ShortDateText(asked.addDays(-30), locale).toStdString())));
        world.messages.answers = {answer};
        // The person answers after midnight.
        world.messages.whileShown = [&] { world.clock.date = asked.addDays(1); };

        ASSERT_TRUE(StartUp(world.program));

        ASSERT_EQ(world.messages.shown.size(), 1u);
        EXPECT_EQ(QString::fromStdString(
                      parsiva::DecodeText(world.settings.values.value(key).toStdString())),
                  ShortDateText(asked.addDays(1), locale));
    }
}

} // namespace
