#include "tests/support/Windows.h"

#include "ui/readings/frmSave.h"
#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
    DeleteClosedWindows();
}

// Types the name into the birth-details form as an input method hands it over, which is how
// letters of any script arrive, and finds the sign of January 1, 1900.
frmIranianAstrologyResult* ProceedAs(TestWorld& world, const QString& name) {
    frmMain* form = OpenMainForm(world.program);
    auto* box = child<QLineEdit>(form, "txtName");
    QInputMethodEvent typed;
    typed.setCommitString(name);
    QCoreApplication::sendEvent(box, &typed);
    EXPECT_EQ(box->text(), name);
    Click(child<QPushButton>(form, "cmdProceed"));
    return theOnly<frmIranianAstrologyResult>();
}

// The report window without its modal loop, so that the test can work in it.
frmSave* ShowReport(TestWorld& world, frmIranianAstrologyResult& result) {
    auto* report = new frmSave(world.program, result, result.resultCaptions());
    world.program.adoptWindow(report);
    report->show();
    return report;
}

struct NameCase {
    const char* label;
    const char* name;
    const char* readBack; // null: the name comes back as it is
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.label;
}

class SaveName : public ::testing::TestWithParam<NameCase> {};

TEST_P(SaveName, AsksFirstWhenTheFileCannotKeepItAndSavesOnlyOnYes) {
    const NameCase& c = GetParam();
    const QString name = QString::fromUtf8(c.name);
    const QString readBack = QString::fromUtf8(c.readBack ? c.readBack : c.name);
    TestWorld world;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.zod"));
    world.fileDialogs.saveAnswer = path;
    frmIranianAstrologyResult* result = ProceedAs(world, name);
    ASSERT_NE(result, nullptr);
    frmSave* report = ShowReport(world, *result);
    auto* save = child<QPushButton>(report, "cmdSave");

    if (c.readBack) {
        world.messages.answers = {MessageAnswer::No};
        Click(save);
        ASSERT_EQ(world.messages.shown.size(), 1u);
        const RecordedMessage& question = world.messages.shown.front();
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_EQ(question.caption, "Parsiva");
        EXPECT_EQ(question.parent, report);
        EXPECT_TRUE(question.text.contains(QLatin1Char('\n') + readBack + QLatin1Char('\n')))
            << question.text.toStdString();
        EXPECT_TRUE(world.fileDialogs.calls.empty()) << "No asks for no file";
        EXPECT_FALSE(QFile::exists(path));
        world.messages.shown.clear();
        world.messages.answers = {MessageAnswer::Yes};
    }
    Click(save);
    EXPECT_EQ(world.messages.shown.size(), c.readBack ? 1u : 0u);
    ASSERT_TRUE(QFile::exists(path));
    report->close();
    Click(child<QPushButton>(result, "cmdBack"));

    // Opened again, the name is the one the question showed.
    world.messages.shown.clear();
    world.fileDialogs.openAnswer = path;
    Click(child<QPushButton>(theOnly<frmMain>(), "cmdOpen"));
    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_NE(theOnly<frmIranianAstrologyResult>(), nullptr);
    EXPECT_EQ(QString::fromStdString(world.program.birthDetails.Name), readBack);
}

INSTANTIATE_TEST_SUITE_P(Table, SaveName,
                         ::testing::Values(NameCase{"Persian", "سارا رضایی", "???? ?????"},
                                           NameCase{"Emoji", "Ann 🌟 Lee", "Ann ? Lee"},
                                           NameCase{"AccentsAboveTheCodecsRange", "José Ñúñez Zoë",
                                                    "Jos ez Zo"},
                                           // Windows-1252 codes up to 170 are kept: no question.
                                           NameCase{"KeptWhole", "Zoe d'Arc ©", nullptr}),
                         [](const auto& info) { return std::string(info.param.label); });

// The report box empties the clipboard at every mouse event, so a Copy entry could never work.
// (The offscreen platform makes no menu of the keyboard's Menu key; the same policy covers it.)
TEST(ReportBox, OffersNoContextMenu) {
    TestWorld world;
    frmIranianAstrologyResult* result = ProceedAs(world, QStringLiteral("Ann Lee"));
    ASSERT_NE(result, nullptr);
    frmSave* report = ShowReport(world, *result);
    QTextEdit* box = report->richTextBox();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(report));

    // A menu runs its own loop; it is looked for, and closed, from within that loop.
    bool menuShown = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuShown = true;
            popup->close();
        }
    });
    const QPoint inBox = box->viewport()->mapTo(report, box->viewport()->rect().center());
    QTest::mouseClick(report->windowHandle(), Qt::RightButton, {}, inBox);
    QCoreApplication::processEvents();
    EXPECT_FALSE(menuShown);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

} // namespace
