#include "tests/support/ReadingFixtures.h"
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
    auto* box = Child<QLineEdit>(form, "txtName");
    QInputMethodEvent typed;
    typed.setCommitString(name);
    QCoreApplication::sendEvent(box, &typed);
    EXPECT_EQ(box->text(), name);
    Click(Child<QPushButton>(form, "cmdProceed"));
    return TheOnly<frmIranianAstrologyResult>();
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
    QByteArray firstFourLines; // as the program always wrote them
    bool exactNameLine;        // a fifth line carries the name the four lines lose
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.label;
}

class SaveName : public ::testing::TestWithParam<NameCase> {};

TEST_P(SaveName, AsksNothingAndComesBackExactly) {
    const NameCase& c = GetParam();
    const QString name = QString::fromUtf8(c.name);
    TestWorld world;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.zod"));
    world.fileDialogs.saveAnswer = path;
    frmIranianAstrologyResult* result = ProceedAs(world, name);
    ASSERT_NE(result, nullptr);
    frmSave* report = ShowReport(world, *result);

    Click(Child<QPushButton>(report, "cmdSave"));
    EXPECT_TRUE(world.messages.shown.empty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray expected = c.firstFourLines;
    if (c.exactNameLine)
        expected += EncodedLines({("U8:" + name.toUtf8().toBase64()).constData()});
    EXPECT_EQ(file.readAll(), expected);
    report->close();
    Click(Child<QPushButton>(result, "cmdBack"));

    world.fileDialogs.openAnswer = path;
    Click(Child<QPushButton>(TheOnly<frmMain>(), "cmdOpen"));
    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_NE(TheOnly<frmIranianAstrologyResult>(), nullptr);
    EXPECT_EQ(QString::fromStdString(world.program.birthDetails.Name), name);
}

const QByteArray DateLines = EncodedLines({"January", "1", "1900"});

INSTANTIATE_TEST_SUITE_P(
    Table, SaveName,
    ::testing::Values(
        NameCase{"Persian", "سارا رضایی", EncodedLines({"???? ?????"}) + DateLines, true},
        NameCase{"Emoji", "Ann 🌟 Lee", EncodedLines({"Ann ? Lee"}) + DateLines, true},
        NameCase{"AccentsAboveTheCodecsRange", "José Ñúñez Zoë",
                 EncodedLines({"Jos ez Zo"}) + DateLines, true},
        // Windows-1252 codes up to 170 are kept, so the file is byte for byte what it was.
        NameCase{"KeptWhole", "Zoe d'Arc ©",
                 QByteArray::fromHex("AFC4BA75B97C96C7B875FE0D0A") + DateLines, false}),
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
