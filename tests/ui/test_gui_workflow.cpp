#include "tests/support/FakeServices.h"
#include "tests/support/ReadingFixtures.h"

#include "core/signs/Classification.h"
#include "ui/readings/frmSave.h"
#include "ui/web/frmExitScreen.h"
#include "ui/workflow/BirthDateLists.h"
#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

frmMain* TheMainForm() {
    const auto forms = OpenWindowsOf<frmMain>();
    return forms.size() == 1 ? forms.front() : nullptr;
}

frmIranianAstrologyResult* TheResultForm() {
    const auto forms = OpenWindowsOf<frmIranianAstrologyResult>();
    return forms.size() == 1 ? forms.front() : nullptr;
}

void EnterDetails(frmMain* form, const QString& name, const QString& month, const QString& day,
                  const QString& year) {
    Child<QLineEdit>(form, "txtName")->setText(name);
    Child<QComboBox>(form, "cboMonth")->setCurrentText(month);
    Child<QComboBox>(form, "cboDate")->setCurrentText(day);
    Child<QComboBox>(form, "cboYear")->setCurrentText(year);
}

QStringList Entries(QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

class Workflow : public ::testing::Test {
protected:
    frmMain* start() {
        EXPECT_TRUE(StartUp(world.program));
        return TheMainForm();
    }
    TestWorld world;
};

TEST_F(Workflow, StartUpShowsAFreshMainFormWithFilledListsAndNameFocus) {
    frmMain* form = start();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Parsiva v1.10");
    EXPECT_EQ(world.random.seeds, 1);
    EXPECT_TRUE(world.messages.shown.empty());

    auto* month = Child<QComboBox>(form, "cboMonth");
    auto* day = Child<QComboBox>(form, "cboDate");
    auto* year = Child<QComboBox>(form, "cboYear");
    EXPECT_EQ(Entries(month),
              QStringList({"January", "February", "March", "April", "May", "June", "July", "August",
                           "September", "October", "November", "December"}));
    EXPECT_EQ(day->count(), 31);
    EXPECT_EQ(day->itemText(30), "31");
    EXPECT_EQ(year->count(), 151);
    EXPECT_EQ(year->itemText(150), "2050");
    EXPECT_EQ(month->currentText(), "January");
    EXPECT_EQ(day->currentText(), "1");
    EXPECT_EQ(year->currentText(), "1900");
    EXPECT_FALSE(month->isEditable());
    EXPECT_TRUE(Child<QLineEdit>(form, "txtName")->text().isEmpty());
    EXPECT_EQ(form->focusWidget(), Child<QLineEdit>(form, "txtName"));

    // Tab walks name, month, day, year, Find, Open.
    QStringList order;
    QWidget* w = Child<QLineEdit>(form, "txtName");
    for (int i = 0; i < 6; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        order.append(w->objectName());
    }
    EXPECT_EQ(order,
              QStringList({"txtName", "cboMonth", "cboDate", "cboYear", "cmdProceed", "cmdOpen"}));
}

struct PickCase {
    const char* label;
    float r;
    int pick;
    const char* front;
};

class CoBrandPick : public Workflow, public ::testing::WithParamInterface<PickCase> {};

TEST_P(CoBrandPick, BringsThePickedLabelToTheFrontOfTheFirstFormOnly) {
    world.random.values = {GetParam().r};
    frmMain* form = start();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(world.program.intCoBrandRandomNumber, GetParam().pick);
    auto* frame = Child<QFrame>(form, "fraFullBrand");
    frame->resize(frame->sizeHint().expandedTo(QSize(400, 60)));
    const auto visibleName = [&] {
        QWidget* top = frame->childAt(frame->rect().center());
        return top ? top->objectName() : QString();
    };
    EXPECT_EQ(visibleName(), GetParam().front);
}

INSTANTIATE_TEST_SUITE_P(Table, CoBrandPick,
                         ::testing::Values(PickCase{"Pick1", 0.0f, 1, "lblCobrand"},
                                           PickCase{"Pick2", 0.25f, 2, "lblFullBrand"},
                                           PickCase{"Pick5", 2.0f / 3.0f, 5, "lblCobrand"},
                                           PickCase{"Pick7", 0.9999f, 7, "lblFullBrand"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(Workflow, ASecondCopyOnlySaysSoAndEnds) {
    world.instanceLock.otherCopyRunning = true;
    EXPECT_FALSE(StartUp(world.program));
    ASSERT_EQ(world.messages.shown.size(), 1u);
    const RecordedMessage& message = world.messages.shown.front();
    EXPECT_EQ(message.text, "Application is already running");
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    EXPECT_EQ(message.caption, "Parsiva");
    EXPECT_EQ(world.process.ends, 1);
    EXPECT_EQ(world.random.seeds, 0);
    EXPECT_EQ(world.settings.writes, 0);
    EXPECT_TRUE(world.settings.values.isEmpty());
    EXPECT_TRUE(world.program.openWindows().isEmpty());
}

class ProceedBy : public Workflow, public ::testing::WithParamInterface<const char*> {};

TEST_P(ProceedBy, ShowsTheReadingAndClosesTheMainFormWithoutExiting) {
    frmMain* form = start();
    EnterDetails(form, "  Ann Lee ", "August", "23", "1975");
    if (QString(GetParam()) == "button")
        QTest::mouseClick(Child<QPushButton>(form, "cmdProceed"), Qt::LeftButton);
    else
        Child<QAction>(form, "mnuProceed")->trigger();
    DeleteClosedWindows();

    EXPECT_EQ(TheMainForm(), nullptr);
    frmIranianAstrologyResult* result = TheResultForm();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->windowTitle(), "Parsiva v1.10");
    EXPECT_EQ(result->lblResult(0)->text(), "SHAHRIVAR (VIRGO)");
    EXPECT_EQ(result->lblResult(1)->text(), "Summer");
    EXPECT_EQ(result->lblResult(2)->text(), "Khashtra Vairya");
    EXPECT_EQ(result->lblResult(3)->text().toStdString(), world.program.readingResult.Description);
    EXPECT_EQ(world.program.birthDetails.Name, "Ann Lee");
    EXPECT_EQ(world.program.birthDetails.Day, 23);
    EXPECT_EQ(world.program.birthDetails.Month, "August");
    EXPECT_EQ(world.program.birthDetails.Year, 1975);
    EXPECT_EQ(world.process.ends, 0);
    EXPECT_FALSE(world.program.ending);
}

INSTANTIATE_TEST_SUITE_P(ButtonAndMenu, ProceedBy, ::testing::Values("button", "menu"));

struct RefusalCase {
    const char* label;
    const char* name;
    const char* month;
    const char* day;
    const char* year;
    const char* message;
    MessageIcon icon;
};

class Refusal : public Workflow, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, ShowsTheExactMessageAndChangesNothing) {
    const RefusalCase& c = GetParam();
    frmMain* form = start();
    EnterDetails(form, c.name, c.month, c.day, c.year);
    Child<QComboBox>(form, "cboYear")->setFocus();
    Child<QPushButton>(form, "cmdProceed")->click();
    DeleteClosedWindows();

    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0].text, c.message);
    EXPECT_EQ(world.messages.shown[0].icon, c.icon);
    EXPECT_EQ(world.messages.shown[0].caption, "Parsiva");
    EXPECT_EQ(world.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(TheMainForm(), form);
    EXPECT_EQ(TheResultForm(), nullptr);
    EXPECT_TRUE(world.program.birthDetails.Name.empty());
    EXPECT_TRUE(world.program.readingResult.SignName.empty());
    const bool nameMessage = c.icon == MessageIcon::Critical;
    EXPECT_EQ(form->focusWidget()->objectName(), nameMessage ? "txtName" : "cboYear");
}

INSTANTIATE_TEST_SUITE_P(
    Table, Refusal,
    ::testing::Values(RefusalCase{"SpacesOnlyName", "   ", "August", "23", "1975",
                                  "Please Enter Your Name", MessageIcon::Critical},
                      RefusalCase{"EmptyNameAndFebruary30", "", "February", "30", "1975",
                                  "Please Enter Your Name", MessageIcon::Critical},
                      RefusalCase{"February29In1901", "Ann", "February", "29", "1901",
                                  "Please Enter Correct Date Or Month!", MessageIcon::Information},
                      RefusalCase{"November31", "Ann", "November", "31", "1975",
                                  "Please Enter Correct Date Or Month !",
                                  MessageIcon::Information}),
    [](const auto& info) { return std::string(info.param.label); });

class BackBy : public Workflow, public ::testing::WithParamInterface<const char*> {};

TEST_P(BackBy, GivesAFreshMainFormAndKeepsTheStoredReading) {
    frmMain* first = start();
    EnterDetails(first, "Ann Lee", "August", "23", "1975");
    first->Proceed();
    DeleteClosedWindows();
    frmIranianAstrologyResult* result = TheResultForm();
    ASSERT_NE(result, nullptr);

    if (QString(GetParam()) == "button")
        Child<QPushButton>(result, "cmdBack")->click();
    else
        Child<QAction>(result, "mnuBack")->trigger();
    DeleteClosedWindows();

    EXPECT_EQ(TheResultForm(), nullptr);
    frmMain* fresh = TheMainForm();
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(Child<QLineEdit>(fresh, "txtName")->text().isEmpty());
    EXPECT_EQ(Child<QComboBox>(fresh, "cboMonth")->currentText(), "January");
    EXPECT_EQ(Child<QComboBox>(fresh, "cboDate")->currentText(), "1");
    EXPECT_EQ(Child<QComboBox>(fresh, "cboYear")->currentText(), "1900");
    EXPECT_EQ(world.program.birthDetails.Name, "Ann Lee");
    EXPECT_EQ(world.program.readingResult.Heading, "SHAHRIVAR (VIRGO)");
    EXPECT_EQ(world.process.ends, 0);

    // A new reading replaces every text of the earlier one.
    EnterDetails(fresh, "Bo", "January", "1", "1900");
    fresh->Proceed();
    DeleteClosedWindows();
    ASSERT_NE(TheResultForm(), nullptr);
    EXPECT_EQ(TheResultForm()->lblResult(0)->text(), "DEY (CAPRICORN)");
    EXPECT_EQ(TheResultForm()->lblResult(1)->text(), "Winter");
}

INSTANTIATE_TEST_SUITE_P(ButtonAndMenu, BackBy, ::testing::Values("button", "menu"));

// Which closings of the workflow windows reach the exit screen, and that closing the exit
// screen then ends the run.
struct ExitPathCase {
    const char* label;
    bool resultWindow;   // else the birth-details form
    const char* control; // a button, a menu item, or null for the close box
    bool reachesExitScreen;
};

class ExitPath : public Workflow, public ::testing::WithParamInterface<ExitPathCase> {};

TEST_P(ExitPath, OpensTheExitScreenUnlessTheWindowMovesAndClosingItEndsTheRun) {
    const ExitPathCase& c = GetParam();
    frmMain* form = start();
    ASSERT_NE(form, nullptr);
    QMainWindow* window = form;
    if (c.resultWindow) {
        EnterDetails(form, "Ann", "May", "2", "1990");
        form->Proceed();
        DeleteClosedWindows();
        window = TheResultForm();
        ASSERT_NE(window, nullptr);
    } else {
        Child<QLineEdit>(form, "txtName")->setText(QStringLiteral("Ann"));
    }
    if (!c.control)
        window->close();
    else if (auto* item = window->findChild<QAction*>(QLatin1String(c.control)))
        item->trigger();
    else
        QTest::mouseClick(Child<QPushButton>(window, c.control), Qt::LeftButton);

    EXPECT_FALSE(window->isVisible());
    const QList<frmExitScreen*> screens = OpenWindowsOf<frmExitScreen>();
    EXPECT_EQ(screens.size(), c.reachesExitScreen ? 1 : 0);
    EXPECT_EQ(world.process.ends, 0);
    if (!c.reachesExitScreen || screens.size() != 1)
        return;
    // The run goes on with the exit screen alone; closing that ends it.
    EXPECT_EQ(world.program.openWindows().size(), 1);
    screens.front()->close();
    EXPECT_EQ(world.process.ends, 1);
    DeleteClosedWindows();
    EXPECT_TRUE(world.program.openWindows().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Table, ExitPath,
                         ::testing::Values(ExitPathCase{"MainMenuExit", false, "mnuExit", true},
                                           ExitPathCase{"MainCloseBox", false, nullptr, true},
                                           ExitPathCase{"MainProceed", false, "cmdProceed", false},
                                           ExitPathCase{"MainMenuProceed", false, "mnuProceed",
                                                        false},
                                           ExitPathCase{"ResultExitButton", true, "cmdExit", true},
                                           ExitPathCase{"ResultMenuExit", true, "mnuExit", true},
                                           ExitPathCase{"ResultCloseBox", true, nullptr, true},
                                           ExitPathCase{"ResultBack", true, "cmdBack", false},
                                           ExitPathCase{"ResultMenuBack", true, "mnuBack", false}),
                         [](const auto& info) { return std::string(info.param.label); });

// Records the order in which windows are closed.
class RecordingWindow : public QWidget {
public:
    RecordingWindow(QString name, QStringList& log) : m_name(std::move(name)), m_log(log) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        m_log.append(m_name);
        if (m_name == "refuses")
            event->ignore();
        else
            QWidget::closeEvent(event);
    }

private:
    QString m_name;
    QStringList& m_log;
};

TEST_F(Workflow, CloseAllAndEndClosesInOpeningOrderPastFailuresThenEnds) {
    QStringList log;
    for (const char* name : {"first", "refuses", "third"}) {
        auto* window = new RecordingWindow(QString::fromLatin1(name), log);
        world.program.adoptWindow(window);
        window->show();
    }
    world.program.moves().CloseAllAndEnd();
    EXPECT_EQ(log, QStringList({"first", "refuses", "third"}));
    EXPECT_EQ(world.process.ends, 1);
    qDeleteAll(world.program.openWindows()); // the one that refused still points at the log
}

// --- The lists in Persian: start-up makes the interface's locale the default one. What the rules
// and the files receive stays the month number, the English token and the numbers.

class PersianLists : public Workflow {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Persian, QLocale::Iran)); }
    void TearDown() override { QLocale::setDefault(m_before); }

    // A key on whichever control has the focus, as a person's keyboard sends it.
    static void press(QWidget* window, Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(window->focusWidget(), key);
    }

    const QLocale m_before;
};

TEST_F(PersianLists, ShowPersianMonthsAndDigitsWhileTheirDataStaysAsBefore) {
    frmMain* form = start();
    ASSERT_NE(form, nullptr);
    auto* month = Child<QComboBox>(form, "cboMonth");
    auto* day = Child<QComboBox>(form, "cboDate");
    auto* year = Child<QComboBox>(form, "cboYear");

    EXPECT_EQ(Entries(month),
              QStringList({"ژانویه", "فوریه", "مارس", "آوریل", "مه", "ژوئن", "ژوئیه", "اوت",
                           "سپتامبر", "اکتبر", "نوامبر", "دسامبر"}));
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(month->itemData(i, MonthNumberRole), i + 1);
        EXPECT_EQ(month->itemData(i, MonthTokenRole).toString().toStdString(),
                  parsiva::MonthNames()[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(day->itemText(0), "۱");
    EXPECT_EQ(day->itemText(30), "۳۱");
    EXPECT_EQ(day->itemData(30, NumberRole), 31);
    // Years without a group separator.
    EXPECT_EQ(year->itemText(0), "۱۹۰۰");
    EXPECT_EQ(year->itemText(150), "۲۰۵۰");
    EXPECT_EQ(year->itemData(150, NumberRole), 2050);
}

struct PersianDateCase {
    const char* label;
    int monthDowns;      // from January
    int dayUpsFromEnd;   // from 31
    int yearDowns;       // from 1900
    const char* refusal; // null: accepted
    const char* month;
    int day;
    int year;
    const char* sign;
};

void PrintTo(const PersianDateCase& c, std::ostream* out) {
    *out << c.label;
}

class PersianDates : public PersianLists, public ::testing::WithParamInterface<PersianDateCase> {};

TEST_P(PersianDates, AreJudgedAndStoredByTheirData) {
    const PersianDateCase& c = GetParam();
    frmMain* form = start();
    ASSERT_NE(form, nullptr);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClicks(form->focusWidget(), QStringLiteral("Sara"));
    press(form, Qt::Key_Tab);
    press(form, Qt::Key_Down, c.monthDowns);
    press(form, Qt::Key_Tab);
    press(form, Qt::Key_End);
    press(form, Qt::Key_Up, c.dayUpsFromEnd);
    press(form, Qt::Key_Tab);
    press(form, Qt::Key_Down, c.yearDowns);
    press(form, Qt::Key_Tab);
    ASSERT_EQ(form->focusWidget(), Child<QPushButton>(form, "cmdProceed"));
    press(form, Qt::Key_Space);
    DeleteClosedWindows();

    if (c.refusal) {
        ASSERT_EQ(world.messages.shown.size(), 1u);
        EXPECT_EQ(world.messages.shown[0].text, c.refusal);
        EXPECT_EQ(TheMainForm(), form);
        return;
    }
    EXPECT_TRUE(world.messages.shown.empty());
    ASSERT_NE(TheResultForm(), nullptr);
    EXPECT_EQ(world.program.birthDetails.Month, c.month);
    EXPECT_EQ(world.program.birthDetails.Day, c.day);
    EXPECT_EQ(world.program.birthDetails.Year, c.year);
    EXPECT_EQ(world.program.readingResult.SignName, c.sign);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PersianDates,
    ::testing::Values(
        PersianDateCase{"LeapDayOf1900", 1, 2, 0, nullptr, "February", 29, 1900, "Esfand"},
        PersianDateCase{"LeapDayOf1901", 1, 2, 1, "Please Enter Correct Date Or Month!", "", 0, 0,
                        ""},
        PersianDateCase{"April31", 3, 0, 0, "Please Enter Correct Date Or Month !", "", 0, 0, ""},
        PersianDateCase{"August23Of1975", 7, 8, 75, nullptr, "August", 23, 1975, "Shahrivar"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(PersianLists, AReadingSavedInPersianIsTheEnglishFileAndOpensOnTheSameEntries) {
    QTemporaryDir dir;
    frmMain* form = start();
    ASSERT_NE(form, nullptr);
    Child<QLineEdit>(form, "txtName")->setText("Sara");
    Child<QComboBox>(form, "cboMonth")->setCurrentIndex(1);
    Child<QComboBox>(form, "cboDate")->setCurrentIndex(28);
    QTest::mouseClick(Child<QPushButton>(form, "cmdProceed"), Qt::LeftButton);
    DeleteClosedWindows();
    frmIranianAstrologyResult* result = TheResultForm();
    ASSERT_NE(result, nullptr);

    auto* report = new frmSave(world.program, *result, result->resultCaptions());
    world.program.adoptWindow(report);
    report->show();
    const QString path = dir.filePath("sara.zod");
    world.fileDialogs.saveAnswer = path;
    QTest::mouseClick(Child<QPushButton>(report, "cmdSave"), Qt::LeftButton);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), EncodedLines({"Sara", "February", "29", "1900"}));
    report->close();
    QTest::mouseClick(Child<QPushButton>(result, "cmdBack"), Qt::LeftButton);
    DeleteClosedWindows();

    // A file without a name stops at the name check, which shows where the lists landed.
    const QString unnamed = dir.filePath("unnamed.zod");
    QFile file(unnamed);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(EncodedLines({"", "February", "29", "1900"}));
    file.close();
    form = TheMainForm();
    ASSERT_NE(form, nullptr);
    world.fileDialogs.openAnswer = unnamed;
    QTest::mouseClick(Child<QPushButton>(form, "cmdOpen"), Qt::LeftButton);
    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0].text, "Please Enter Your Name");
    EXPECT_EQ(Child<QComboBox>(form, "cboMonth")->currentText(), "فوریه");
    EXPECT_EQ(Child<QComboBox>(form, "cboDate")->currentText(), "۲۹");
    EXPECT_EQ(Child<QComboBox>(form, "cboYear")->currentText(), "۱۹۰۰");

    world.fileDialogs.openAnswer = path;
    QTest::mouseClick(Child<QPushButton>(form, "cmdOpen"), Qt::LeftButton);
    DeleteClosedWindows();
    ASSERT_NE(TheResultForm(), nullptr);
    EXPECT_EQ(world.program.birthDetails.Name, "Sara");
    EXPECT_EQ(world.program.birthDetails.Month, "February");
    EXPECT_EQ(world.program.birthDetails.Day, 29);
    EXPECT_EQ(world.program.readingResult.SignName, "Esfand");
}

} // namespace
