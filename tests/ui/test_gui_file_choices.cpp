// The real open and save dialogs over files an ordinary user may read but not change, or not
// read at all: each refusal names the file and the reason over the dialog, which stays open for
// another choice however the choice was made.
#include "tests/support/FakeServices.h"
#include "tests/support/ReadingFixtures.h"
#include "tests/support/Windows.h"

#include "ui/readings/frmSave.h"
#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"
#include "app/WindowMoves.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <unistd.h>

namespace {

class FileChoices : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() == 0)
            GTEST_SKIP() << "file modes bind only an ordinary user; CTest runs this as nobody";
        ASSERT_TRUE(dir.isValid());
        UseWindowMoves(program);
    }

    void TearDown() override {
        program.ending = true;
        for (QWidget* window : program.openWindows())
            window->close();
        DeleteClosedWindows();
    }

    QString write(const QString& name, const QByteArray& bytes, QFile::Permissions mode) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(bytes), bytes.size());
        file.close();
        EXPECT_TRUE(file.setPermissions(mode));
        return path;
    }

    // Runs the steps inside the next file dialog once it is up, then leaves it to the steps to
    // end it; a dialog the steps leave open is cancelled, so a fault cannot hang the test.
    void inNextDialog(std::function<void(QFileDialog*)> steps) {
        QTimer::singleShot(0, [this, steps] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            m_sawDialog = dialog != nullptr;
            if (dialog) {
                dialog->activateWindow();
                EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
                steps(dialog);
            }
            if (auto* left = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
                left->reject();
        });
    }

    // Types a path into the name box over whatever it holds, as a person would.
    static void typeName(QFileDialog* dialog, const QString& path) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        QTest::mouseClick(name, Qt::LeftButton);
        ASSERT_TRUE(name->hasFocus());
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(name, path);
    }

    static void pressEnter(QFileDialog* dialog) {
        QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")),
                        Qt::Key_Return);
    }

    static void clickAccept(QFileDialog* dialog) {
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        ASSERT_NE(buttons, nullptr);
        QPushButton* accept = buttons->button(dialog->acceptMode() == QFileDialog::AcceptOpen
                                                  ? QDialogButtonBox::Open
                                                  : QDialogButtonBox::Save);
        ASSERT_NE(accept, nullptr);
        ASSERT_TRUE(accept->isEnabled());
        QTest::mouseClick(accept, Qt::LeftButton);
    }

    // The newest message names the file and the reason over this dialog, which is still open
    // and still the one the person works in.
    void expectRefusedOver(QFileDialog* dialog, const char* message, const QString& path,
                           const QString& reason, std::size_t count) {
        ASSERT_EQ(world.messages.shown.size(), count);
        const RecordedMessage& shown = world.messages.shown.back();
        EXPECT_EQ(shown.text, MessageAboutFile(message, path, reason));
        EXPECT_EQ(shown.icon, MessageIcon::Critical);
        EXPECT_EQ(shown.caption, "Parsiva");
        EXPECT_EQ(shown.parent, dialog);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), dialog);
    }

    TestWorld world;
    QtFileDialogs dialogs;
    Program program{ServicesOf(world, {.fileDialogs = &dialogs}), QStringLiteral("parsiva-files")};
    QTemporaryDir dir;
    bool m_sawDialog = false;
};

TEST_F(FileChoices, AnUnreadableFileIsRefusedByEnterAndTheButtonAndAReadOnlyOneOpens) {
    const QString locked = write(QStringLiteral("locked.zod"), AnnLeeFile, {});
    const QString readOnly =
        write(QStringLiteral("shared.zod"), EncodedLines({"Cyrus", "June", "24", "1988"}),
              QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    frmMain* form = OpenMainForm(program);
    ASSERT_NE(form, nullptr);
    const QString denied = QStringLiteral("Permission denied");

    inNextDialog([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Select the source file");
        typeName(dialog, locked);
        pressEnter(dialog);
        expectRefusedOver(dialog, "Please Check The File.", locked, denied, 1);
        clickAccept(dialog);
        expectRefusedOver(dialog, "Please Check The File.", locked, denied, 2);
        // Reading is all that opening needs.
        typeName(dialog, readOnly);
        pressEnter(dialog);
    });
    QTest::mouseClick(Child<QPushButton>(form, "cmdOpen"), Qt::LeftButton);
    DeleteClosedWindows();

    EXPECT_TRUE(m_sawDialog);
    EXPECT_EQ(world.messages.shown.size(), 2u);
    frmIranianAstrologyResult* result = TheOnly<frmIranianAstrologyResult>();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->lblResult(0)->text(), "TIR (CANCER)");
    EXPECT_EQ(program.birthDetails.Name, "Cyrus");
    EXPECT_TRUE(OpenWindowsOf<frmMain>().isEmpty());
}

TEST_F(FileChoices, ReadOnlyFoldersAndFilesAndMissingFoldersAreRefusedUntilAGoodChoice) {
    const QString readOnlyFolder = dir.filePath(QStringLiteral("shelf"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("shelf")));
    ASSERT_TRUE(QFile::setPermissions(readOnlyFolder, QFile::ReadOwner | QFile::ExeOwner));
    const QByteArray earlier("an earlier reading\r\n");
    const QString readOnlyFile =
        write(QStringLiteral("kept.zod"), earlier, QFile::ReadOwner | QFile::ReadGroup);

    program.birthDetails = {"Ann Lee", 23, "August", 1975};
    auto* result = new frmIranianAstrologyResult(program);
    program.adoptWindow(result);
    result->showReading(*parsiva::ComposeReading("Shahrivar"));
    result->show();
    auto* report = new frmSave(program, *result, result->resultCaptions());
    program.adoptWindow(report);
    report->show();

    const char* notSaved = "The Reading Could Not Be Saved.";
    inNextDialog([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Save Your Zodiac Signs Result ....");
        typeName(dialog, readOnlyFolder + QStringLiteral("/ann"));
        pressEnter(dialog);
        expectRefusedOver(dialog, notSaved, readOnlyFolder + QStringLiteral("/ann.zod"),
                          QStringLiteral("Files cannot be saved in this folder."), 1);
        typeName(dialog, readOnlyFile);
        clickAccept(dialog);
        expectRefusedOver(dialog, notSaved, readOnlyFile, QStringLiteral("The file is read-only."),
                          2);
        typeName(dialog, dir.filePath(QStringLiteral("gone/ann")));
        pressEnter(dialog);
        expectRefusedOver(dialog, notSaved, dir.filePath(QStringLiteral("gone/ann.zod")),
                          QStringLiteral("The folder does not exist."), 3);
        typeName(dialog, dir.filePath(QStringLiteral("ann")));
        pressEnter(dialog);
    });
    QTest::mouseClick(Child<QPushButton>(report, "cmdSave"), Qt::LeftButton);

    EXPECT_TRUE(m_sawDialog);
    EXPECT_EQ(world.messages.shown.size(), 3u);
    QFile saved(dir.filePath(QStringLiteral("ann.zod")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), AnnLeeFile);
    QFile kept(readOnlyFile);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), earlier);
    EXPECT_TRUE(QDir(readOnlyFolder).isEmpty());
    EXPECT_TRUE(report->isVisible());
    QFile::setPermissions(readOnlyFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
