#include "tests/support/ReadingFixtures.h"
#include "tests/support/Windows.h"

#include "core/readings/ReportBlocks.h"
#include "core/signs/SignCatalogue.h"
#include "core/web/PageAddresses.h"
#include "platform/ReadingFiles.h"
#include "ui/readings/RichTextLinks.h"
#include "ui/readings/frmSave.h"
#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

namespace {

const QString Site =
    QString::fromUtf8(parsiva::SiteBase.data(), static_cast<qsizetype>(parsiva::SiteBase.size()));

QByteArray ContentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class Readings : public ::testing::Test {
protected:
    frmMain* mainForm() {
        if (OpenWindowsOf<frmMain>().isEmpty())
            OpenMainForm(world.program);
        return TheOnly<frmMain>();
    }

    frmIranianAstrologyResult* proceedWith(const QString& name, const QString& month,
                                           const QString& day, const QString& year) {
        frmMain* form = mainForm();
        EXPECT_NE(form, nullptr);
        if (!form)
            return nullptr;
        Child<QLineEdit>(form, "txtName")->setText(name);
        Child<QComboBox>(form, "cboMonth")->setCurrentText(month);
        Child<QComboBox>(form, "cboDate")->setCurrentText(day);
        Child<QComboBox>(form, "cboYear")->setCurrentText(year);
        form->Proceed();
        DeleteClosedWindows();
        return TheOnly<frmIranianAstrologyResult>();
    }

    // The report window shown without its modal loop, so a test can work in it.
    frmSave* showReport(frmIranianAstrologyResult* result) {
        auto* report = new frmSave(world.program, *result, result->resultCaptions());
        world.program.adoptWindow(report);
        report->show();
        return report;
    }

    frmSave* annLeeReport() {
        frmIranianAstrologyResult* result = proceedWith("Ann Lee", "August", "23", "1975");
        EXPECT_NE(result, nullptr);
        return result ? showReport(result) : nullptr;
    }

    TestWorld world;
    QTemporaryDir dir;
};

void MoveMouse(QWidget* viewport, QPoint to) {
    QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
}

// Viewport point over the character at a document position.
QPoint PointAt(QTextEdit* box, int position) {
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    const QRect before = box->cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect after = box->cursorRect(cursor);
    return QPoint((before.left() + after.left()) / 2, before.center().y());
}

int PositionOf(QTextEdit* box, const QString& text, int occurrence = 0) {
    QTextCursor found(box->document());
    for (int i = 0; i <= occurrence; ++i)
        found = box->document()->find(text, found);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    return found.selectionStart();
}

QPoint CreditLinkPoint(QTextEdit* box, int occurrence = 0) {
    return PointAt(box, PositionOf(box, Site, occurrence) + 3);
}

std::string ExpectedAnnLeeText() {
    const parsiva::ReadingResult reading = *parsiva::ComposeReading("Shahrivar");
    std::string text;
    for (const auto& run : parsiva::ComposeReport(
             {"Ann Lee", 23, "August", 1975},
             {reading.Heading, reading.Season, reading.Deity, reading.Description}))
        text += run.Text;
    return QString::fromStdString(text).replace("\r\n", "\n").toStdString();
}

TEST_F(Readings, ReportShowsSixBlocksWithOnlyTheLabelsBoldCyanAndEveryCreditLineALink) {
    world.clipboard.clears = 0;
    frmSave* report = annLeeReport();
    ASSERT_NE(report, nullptr);
    QTextEdit* box = Child<QTextEdit>(report, "RTB");

    EXPECT_EQ(report->windowTitle(), "Parsiva v1.10");
    EXPECT_EQ(box->toPlainText().toStdString(), ExpectedAnnLeeText());
    EXPECT_EQ(box->font().family(), "Verdana");
    EXPECT_DOUBLE_EQ(box->font().pointSizeF(), 9.75);
    EXPECT_FALSE(box->textCursor().hasSelection());
    EXPECT_EQ(box->textCursor().position(), box->document()->characterCount() - 1);
    // Composing changes the box, and every change empties the clipboard.
    EXPECT_GT(world.clipboard.clears, 0);

    QStringList boldCyan, links;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const bool bold = format.fontWeight() == QFont::Bold;
            const bool cyan = format.foreground().color() == QColor(0, 128, 128);
            EXPECT_EQ(bold, cyan) << it.fragment().text().toStdString();
            if (bold)
                boldCyan.append(it.fragment().text());
            else if (format.isAnchor())
                links.append(it.fragment().text() + " -> " + format.anchorHref());
            else
                EXPECT_EQ(format.foreground().color(), QColor(Qt::black))
                    << it.fragment().text().toStdString();
        }
    }
    EXPECT_EQ(boldCyan, QStringList({"Name: ", "Date of Birth: ", "Sun Sign: ", "Season: ", "God: ",
                                     "Sun Sign Description: "}));
    EXPECT_EQ(links, QStringList(6, Site + " -> " + Site));
}

TEST_F(Readings, PrintOnTheResultFormOpensTheReportModallyEachTimeWithOneLaunchPerPress) {
    frmIranianAstrologyResult* result = proceedWith("Ann Lee", "August", "23", "1975");
    ASSERT_NE(result, nullptr);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        bool seen = false;
        QTimer::singleShot(0, [&] {
            frmSave* report = TheOnly<frmSave>();
            if (report) {
                seen = true;
                EXPECT_EQ(QApplication::activeModalWidget(), report);
                EXPECT_EQ(report->parentWidget(), result);
                QTextEdit* box = report->richTextBox();
                EXPECT_EQ(box->toPlainText().toStdString(), ExpectedAnnLeeText());
                QTest::mousePress(box->viewport(), Qt::LeftButton, {}, CreditLinkPoint(box, 5));
                QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, CreditLinkPoint(box, 5));
            }
            // Never leave the modal loop running, whatever went wrong above.
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        result->cmdPrint_Click();
        EXPECT_TRUE(seen);
        EXPECT_EQ(OpenWindowsOf<frmSave>().size(), 0);
        EXPECT_TRUE(result->isVisible());
        EXPECT_TRUE(world.program.linkHookState.filter.isNull());
        EXPECT_EQ(world.launcher.opened, QStringList(round + 1, Site));
    }
    EXPECT_TRUE(world.messages.shown.empty());
}

TEST_F(Readings, OnlyALeftPressOnALinkOpensItAndTheBoxStillGetsEveryEvent) {
    frmSave* report = annLeeReport();
    ASSERT_NE(report, nullptr);
    QTextEdit* box = report->richTextBox();
    QWidget* viewport = box->viewport();
    const QPoint link = CreditLinkPoint(box);
    const QPoint plain = PointAt(box, 2);

    QTest::mousePress(viewport, Qt::LeftButton, {}, link);
    EXPECT_EQ(world.launcher.opened, QStringList({Site}));
    // The press went on to the box: its caret moved into the address.
    const int linkStart = PositionOf(box, Site);
    EXPECT_GE(box->textCursor().position(), linkStart);
    EXPECT_LE(box->textCursor().position(), linkStart + Site.size());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, link);

    QTest::mousePress(viewport, Qt::RightButton, {}, link);
    QTest::mouseRelease(viewport, Qt::RightButton, {}, link);
    MoveMouse(viewport, link);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, link, viewport->mapToGlobal(link),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &doubleClick);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, link);
    QTest::mousePress(viewport, Qt::LeftButton, {}, plain, 1000);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, plain);
    EXPECT_EQ(world.launcher.opened, QStringList({Site}));
}

TEST_F(Readings, EveryPressMoveReleaseAndClickOverTheBoxEmptiesTheClipboard) {
    frmSave* report = annLeeReport();
    ASSERT_NE(report, nullptr);
    QWidget* viewport = report->richTextBox()->viewport();
    const QPoint at = PointAt(report->richTextBox(), 2);

    world.clipboard.clears = 0;
    QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    EXPECT_EQ(world.clipboard.clears, 1);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at); // release, then click
    EXPECT_EQ(world.clipboard.clears, 3);
    MoveMouse(viewport, at + QPoint(5, 0));
    EXPECT_EQ(world.clipboard.clears, 4);
    report->richTextBox()->insertPlainText("x");
    EXPECT_EQ(world.clipboard.clears, 5);
}

TEST_F(Readings, PrintHandsTheWholeReportToThePrinterEvenWithPartSelected) {
    frmSave* report = annLeeReport();
    ASSERT_NE(report, nullptr);
    QTextEdit* box = report->richTextBox();
    QTextCursor part(box->document());
    part.setPosition(6);
    part.setPosition(13, QTextCursor::KeepAnchor);
    box->setTextCursor(part);
    ASSERT_EQ(box->textCursor().selectedText(), "Ann Lee");

    Child<QPushButton>(report, "cmdPrint")->click();
    ASSERT_EQ(world.printer.printedTexts.size(), 1);
    EXPECT_EQ(world.printer.printedTexts.front().toStdString(), ExpectedAnnLeeText());
    EXPECT_FALSE(box->textCursor().hasSelection());
    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_TRUE(report->isVisible());
}

TEST_F(Readings, AFailedPrintSaysWhyWhereKnownAndTheReportKeepsItsPlace) {
    world.printer.succeed = false;
    frmSave* report = annLeeReport();
    ASSERT_NE(report, nullptr);
    QScrollBar* down = report->richTextBox()->verticalScrollBar();
    QCoreApplication::processEvents();
    ASSERT_GT(down->maximum(), 0) << "the report should need scrolling";

    struct Row {
        const char* problem;
        const char* message;
        int scrolledTo; // where the reader has scrolled before pressing Print
    };
    const Row rows[] = {
        {"", "The Report Could Not Be Printed.", 0},
        {"No printer is set up.", "The Report Could Not Be Printed.\nNo printer is set up.", 0},
        {"The printer is not accepting jobs.",
         "The Report Could Not Be Printed.\nThe printer is not accepting jobs.", -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.problem);
        world.messages.shown.clear();
        world.printer.problem = QString::fromUtf8(row.problem);
        const int at = row.scrolledTo < 0 ? down->maximum() / 2 : row.scrolledTo;
        down->setValue(at);
        QTest::mouseClick(Child<QPushButton>(report, "cmdPrint"), Qt::LeftButton);
        QCoreApplication::processEvents();
        ASSERT_EQ(world.messages.shown.size(), 1u);
        EXPECT_EQ(world.messages.shown[0].text, row.message);
        EXPECT_EQ(world.messages.shown[0].icon, MessageIcon::Critical);
        EXPECT_EQ(world.messages.shown[0].caption, "Parsiva");
        EXPECT_EQ(world.messages.shown[0].parent, report);
        EXPECT_TRUE(report->isVisible());
        EXPECT_EQ(down->value(), at);
    }
}

TEST_F(Readings, SavedReadingOpensAgainOnTheResultFormWithTheSameDetails) {
    frmSave* report = annLeeReport();
    ASSERT_NE(report, nullptr);
    const QString path = dir.filePath("ann.zod");
    world.fileDialogs.saveAnswer = path;
    Child<QPushButton>(report, "cmdSave")->click();
    EXPECT_EQ(ContentsOf(path), AnnLeeFile);
    ASSERT_EQ(world.fileDialogs.calls.size(), 1u);
    EXPECT_TRUE(world.fileDialogs.calls[0].save);
    EXPECT_EQ(world.fileDialogs.calls[0].title, "Save Your Zodiac Signs Result ....");
    EXPECT_EQ(world.fileDialogs.calls[0].filter, "Rich Text Format | *.zod");
    EXPECT_EQ(world.fileDialogs.calls[0].defaultSuffix, "zod");
    EXPECT_TRUE(report->isVisible());
    report->close();
    DeleteClosedWindows();

    // Another reading in between, so only the file can bring Ann Lee back.
    TheOnly<frmIranianAstrologyResult>()->cmdBack_Click();
    DeleteClosedWindows();
    ASSERT_NE(proceedWith("Bo", "January", "1", "1900"), nullptr);
    TheOnly<frmIranianAstrologyResult>()->cmdBack_Click();
    DeleteClosedWindows();

    frmMain* form = TheOnly<frmMain>();
    ASSERT_NE(form, nullptr);
    world.fileDialogs.openAnswer = path;
    Child<QPushButton>(form, "cmdOpen")->click();
    DeleteClosedWindows();

    const auto& open = world.fileDialogs.calls.back();
    EXPECT_FALSE(open.save);
    EXPECT_EQ(open.title, "Select the source file");
    EXPECT_EQ(open.filter, "QX Zodiac Signs (*.zod)|*.zod");
    EXPECT_EQ(open.defaultSuffix, "zod");
    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_EQ(OpenWindowsOf<frmMain>().size(), 0);
    frmIranianAstrologyResult* result = TheOnly<frmIranianAstrologyResult>();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->lblResult(0)->text(), "SHAHRIVAR (VIRGO)");
    EXPECT_EQ(world.program.birthDetails.Name, "Ann Lee");
    EXPECT_EQ(world.program.birthDetails.Month, "August");
    EXPECT_EQ(world.program.birthDetails.Day, 23);
    EXPECT_EQ(world.program.birthDetails.Year, 1975);
}

TEST_F(Readings, AFailedSaveSaysSoAndNeverLeavesAPartOrLosesTheEarlierFile) {
    frmSave* report = annLeeReport();
    ASSERT_NE(report, nullptr);

    // The folder is a regular file, so the file cannot be created.
    WriteFile(dir.filePath("plain"), "not a folder");
    world.fileDialogs.saveAnswer = dir.filePath("plain/ann.zod");
    Child<QPushButton>(report, "cmdSave")->click();
    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0].text,
              MessageAboutFile("The Reading Could Not Be Saved.", dir.filePath("plain/ann.zod"),
                               "The folder does not exist."));
    EXPECT_EQ(world.messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(report->isVisible());

    // A write that fails after the first line keeps the earlier file byte for byte.
    const QString path = dir.filePath("ann.zod");
    const QByteArray earlier("an earlier reading, longer than the new one\r\n");
    WriteFile(path, earlier);
    int writes = 0;
    const FileOutcome saved = SaveReadingFile(path, world.program.birthDetails,
                                              [&](QIODevice& file, std::string_view bytes) {
                                                  return ++writes < 2 && WriteAllBytes(file, bytes);
                                              });
    EXPECT_FALSE(saved);
    EXPECT_FALSE(saved.problem.isEmpty());
    EXPECT_EQ(writes, 2);
    EXPECT_EQ(ContentsOf(path), earlier);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"ann.zod", "plain"}));

    // Saving onto it for real replaces it entirely.
    EXPECT_TRUE(SaveReadingFile(path, world.program.birthDetails));
    EXPECT_EQ(ContentsOf(path), AnnLeeFile);
}

TEST_F(Readings, CancellingEitherDialogChangesNothing) {
    frmSave* report = annLeeReport();
    ASSERT_NE(report, nullptr);
    Child<QPushButton>(report, "cmdSave")->click();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    report->close();
    TheOnly<frmIranianAstrologyResult>()->cmdBack_Click();
    DeleteClosedWindows();

    frmMain* form = TheOnly<frmMain>();
    ASSERT_NE(form, nullptr);
    Child<QLineEdit>(form, "txtName")->setText("typed");
    Child<QPushButton>(form, "cmdOpen")->click();
    EXPECT_EQ(world.fileDialogs.calls.size(), 2u);
    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_EQ(TheOnly<frmMain>(), form);
    EXPECT_EQ(Child<QLineEdit>(form, "txtName")->text(), "typed");
}

struct OpenCase {
    const char* label;
    const char* fileName;
    QByteArray bytes; // empty: no file at all
    const char* message;
    const char* reason; // the file's problem on the second line; null: the message has none
    const char* name;   // the name box afterwards
    const char* month;
    const char* day;
    const char* year;
};

class OpenRefused : public Readings, public ::testing::WithParamInterface<OpenCase> {};

// The form starts on a typed name with March, 2, 1950, so that any change shows.
TEST_P(OpenRefused, SaysWhyAndLeavesTheFormAsItWasOrShowsTheFileProceedRefused) {
    const OpenCase& c = GetParam();
    frmMain* form = mainForm();
    ASSERT_NE(form, nullptr);
    Child<QLineEdit>(form, "txtName")->setText("Typed");
    Child<QComboBox>(form, "cboMonth")->setCurrentText("March");
    Child<QComboBox>(form, "cboDate")->setCurrentText("2");
    Child<QComboBox>(form, "cboYear")->setCurrentText("1950");
    const QString path = dir.filePath(QString::fromLatin1(c.fileName));
    if (!c.bytes.isEmpty())
        WriteFile(path, c.bytes);
    world.fileDialogs.openAnswer = path;

    Child<QPushButton>(form, "cmdOpen")->click();
    DeleteClosedWindows();

    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0].text,
              c.reason ? MessageAboutFile(c.message, path, c.reason) : QString(c.message));
    EXPECT_EQ(world.messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(world.messages.shown[0].parent, form);
    EXPECT_EQ(TheOnly<frmMain>(), form);
    EXPECT_EQ(OpenWindowsOf<frmIranianAstrologyResult>().size(), 0);
    EXPECT_EQ(Child<QLineEdit>(form, "txtName")->text(), c.name);
    EXPECT_EQ(Child<QComboBox>(form, "cboMonth")->currentText(), c.month);
    EXPECT_EQ(Child<QComboBox>(form, "cboDate")->currentText(), c.day);
    EXPECT_EQ(Child<QComboBox>(form, "cboYear")->currentText(), c.year);
}

constexpr const char* CheckTheFile = "Please Check The File.";
constexpr const char* NotAReadingFile = "This is not a reading file.";

INSTANTIATE_TEST_SUITE_P(
    Table, OpenRefused,
    ::testing::Values(OpenCase{"UpperCaseEnding", "ann.ZOD", AnnLeeFile, CheckTheFile,
                               "The name does not end in zod.", "Typed", "March", "2", "1950"},
                      OpenCase{"OtherExtension", "ann.txt", AnnLeeFile, CheckTheFile,
                               "The name does not end in zod.", "Typed", "March", "2", "1950"},
                      OpenCase{"MissingFile",
                               "gone.zod",
                               {},
                               CheckTheFile,
                               "No such file or directory",
                               "Typed",
                               "March",
                               "2",
                               "1950"},
                      OpenCase{"MonthMatchesNoEntry", "ann.zod",
                               EncodedLines({"Ann Lee", "Augustus", "23", "1975"}), CheckTheFile,
                               NotAReadingFile, "Typed", "March", "2", "1950"},
                      OpenCase{"TwoLinesOnly", "ann.zod", EncodedLines({"Ann Lee", "August"}),
                               CheckTheFile, NotAReadingFile, "Typed", "March", "2", "1950"},
                      OpenCase{"LineTooLong", "ann.zod", QByteArray(40000, '\x96'), CheckTheFile,
                               NotAReadingFile, "Typed", "March", "2", "1950"},
                      // The date is sound, so the file fills the form and the name goes to the
                      // birth-details check as usual.
                      OpenCase{"EmptyNameLine", "ann.zod",
                               EncodedLines({"", "August", "23", "1975"}), "Please Enter Your Name",
                               nullptr, "", "August", "23", "1975"},
                      OpenCase{"ZodWithoutADotIsAccepted", "annzod",
                               EncodedLines({"", "May", "1", "1900"}), "Please Enter Your Name",
                               nullptr, "", "May", "1", "1900"}),
    [](const auto& info) { return std::string(info.param.label); });

QStringList LinksIn(QTextEdit& box) {
    QStringList links;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor())
                links.append(it.fragment().text() + " -> " +
                             it.fragment().charFormat().anchorHref());
    return links;
}

TEST(LinkLayer, MarksAddressesAsTheyArriveUntilUnhooked) {
    TestWorld world;
    QTextEdit box;
    box.resize(400, 200);
    box.show();
    HookRichTextLinks(world.program, &box, &box);
    QTextCursor cursor(box.document());
    // An address arriving in two pieces is one link.
    cursor.insertText("see https://a.");
    cursor.insertText("example, or www.b.example\n");
    EXPECT_EQ(LinksIn(box), QStringList({"https://a.example -> https://a.example",
                                         "www.b.example -> http://www.b.example"}));
    QTest::mousePress(box.viewport(), Qt::LeftButton, {}, PointAt(&box, 6));
    EXPECT_EQ(world.launcher.opened, QStringList({"https://a.example"}));

    UnhookRichTextLinks(world.program);
    UnhookRichTextLinks(world.program);
    EXPECT_TRUE(world.program.linkHookState.filter.isNull());
    cursor.insertText("https://c.example");
    QTest::mousePress(box.viewport(), Qt::LeftButton, {}, PointAt(&box, 6), 1000);
    EXPECT_EQ(world.launcher.opened, QStringList({"https://a.example"}));
    EXPECT_EQ(LinksIn(box).size(), 2);
}

TEST(QtFileDialogFilter, KeepsTheDescriptionWordForWord) {
    EXPECT_EQ(QtFileDialogs::toQtFilter("Rich Text Format | *.zod"), "Rich Text Format (*.zod)");
    EXPECT_EQ(QtFileDialogs::toQtFilter("QX Zodiac Signs (*.zod)|*.zod"),
              "QX Zodiac Signs (*.zod)");
    EXPECT_EQ(QtFileDialogs::toQtFilter("No bar"), "No bar");
}

TEST(QtFileDialogSetUp, AsksBeforeReplacingAndOffersOnlyExistingFilesToOpen) {
    QtFileDialogs dialogs;
    for (const bool save : {true, false}) {
        SCOPED_TRACE(save);
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog) {
                seen = true;
                EXPECT_EQ(dialog->windowTitle(), "Title");
                EXPECT_EQ(dialog->nameFilters(), QStringList({"Readings (*.zod)"}));
                EXPECT_EQ(dialog->defaultSuffix(), "zod");
                EXPECT_EQ(dialog->acceptMode(),
                          save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
                EXPECT_EQ(dialog->fileMode(),
                          save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
                EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
            }
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        const QString chosen =
            save ? dialogs.getSaveFileName(nullptr, "Title", "Readings|*.zod", "zod")
                 : dialogs.getOpenFileName(nullptr, "Title", "Readings|*.zod", "zod");
        EXPECT_TRUE(seen);
        EXPECT_TRUE(chosen.isEmpty());
    }
}

} // namespace
