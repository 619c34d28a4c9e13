#include "tests/hardening/Hardening.h"
#include "tests/support/Windows.h"

#include "ui/readings/frmSave.h"
#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"
#include "app/StartUp.h"
#include "app/WindowMoves.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <random>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace hardening;

namespace {

// Open and save dialogs that hand over a path chosen by the test, and can act just before.
class ScriptedDialogs final : public FileDialogs {
public:
    QString getSaveFileName(QWidget*, const QString&, const QString&, const QString&,
                            const ChoiceCheck&) override {
        return saveAnswer;
    }
    QString getOpenFileName(QWidget*, const QString&, const QString&, const QString&,
                            const ChoiceCheck&) override {
        if (beforeOpenReturns)
            beforeOpenReturns();
        return openAnswer;
    }
    QString saveAnswer;
    QString openAnswer;
    std::function<void()> beforeOpenReturns;
};

class FilesFixture : public ::testing::Test {
protected:
    void SetUp() override {
        UseWindowMoves(program);
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override { CloseEverything(program); }

    // The birth-details form with the lists on March, 2, 1950 and a name typed, so that every
    // change an opened file makes can be seen.
    frmMain* typedForm() {
        OpenMainForm(program);
        frmMain* form = TheOnly<frmMain>();
        if (!form)
            return nullptr;
        Child<QLineEdit>(form, "txtName")->setText(QStringLiteral("Typed"));
        Child<QComboBox>(form, "cboMonth")->setCurrentText(QStringLiteral("March"));
        Child<QComboBox>(form, "cboDate")->setCurrentText(QStringLiteral("2"));
        Child<QComboBox>(form, "cboYear")->setCurrentText(QStringLiteral("1950"));
        return form;
    }

    void open(frmMain* form, const QString& path) {
        dialogs.openAnswer = path;
        Child<QPushButton>(form, "cmdOpen")->click();
        DeleteClosedWindows();
    }

    struct FormState {
        QString name, month, day, year;
        friend bool operator==(const FormState&, const FormState&) = default;
        friend void PrintTo(const FormState& s, std::ostream* out) {
            *out << '[' << s.name.toStdString() << " | " << s.month.toStdString() << ' '
                 << s.day.toStdString() << ' ' << s.year.toStdString() << ']';
        }
    };

    static FormState stateOf(frmMain* form) {
        return {Child<QLineEdit>(form, "txtName")->text(),
                Child<QComboBox>(form, "cboMonth")->currentText(),
                Child<QComboBox>(form, "cboDate")->currentText(),
                Child<QComboBox>(form, "cboYear")->currentText()};
    }

    void expectCheckTheFile(frmMain* form, const QString& path, const char* reason) {
        ASSERT_EQ(world.messages.shown.size(), 1u);
        EXPECT_EQ(world.messages.shown[0].text,
                  MessageAboutFile("Please Check The File.", path, reason));
        EXPECT_EQ(world.messages.shown[0].icon, MessageIcon::Critical);
        EXPECT_EQ(world.messages.shown[0].parent, form);
        EXPECT_EQ(TheOnly<frmMain>(), form);
        EXPECT_TRUE(OpenWindowsOf<frmIranianAstrologyResult>().isEmpty());
    }

    QTemporaryDir dir;
    TestWorld world;
    ScriptedDialogs dialogs;
    Program program{ServicesOf(world, {.fileDialogs = &dialogs}), QStringLiteral("parsiva-hard")};
};

// --- Opening: every kind of file the open path can be handed.

struct OpenCase {
    const char* label;
    // Puts at path what the dialog hands over; may arrange for it to change after the dialog.
    std::function<void(const QString& path, ScriptedDialogs& dialogs)> make;
    const char* message; // null: the reading opens
    // "Please Check The File." refuses the file, names it and gives this reason, and the form
    // stays as it was; the birth-details check's messages come with the file's details shown.
    const char* reason;
    MessageIcon icon;
    // The form afterwards when the birth-details check refuses the file's details, or the
    // stored details when the reading opens.
    const char* name;
    const char* month;
    const char* day;
    const char* year;
};

std::function<void(const QString&, ScriptedDialogs&)> Bytes(QByteArray bytes) {
    return [bytes](const QString& path, ScriptedDialogs&) { WriteFile(path, bytes); };
}

QByteArray NulAfterEveryByte(const QByteArray& bytes) {
    QByteArray spaced;
    for (const char byte : bytes) {
        spaced.append(byte);
        spaced.append('\0');
    }
    return spaced;
}

class OpenHostile : public FilesFixture, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenHostile, GivesItsMessageOrTheReadingAndChangesNothingWhenRefused) {
    const OpenCase& c = GetParam();
    frmMain* form = typedForm();
    ASSERT_NE(form, nullptr);
    const FormState typed = stateOf(form);
    const QString path = dir.filePath(QStringLiteral("x.zod"));
    c.make(path, dialogs);

    open(form, path);

    if (!c.message) {
        EXPECT_TRUE(world.messages.shown.empty())
            << world.messages.shown.front().text.toStdString();
        frmIranianAstrologyResult* result = TheOnly<frmIranianAstrologyResult>();
        ASSERT_NE(result, nullptr);
        EXPECT_TRUE(OpenWindowsOf<frmMain>().isEmpty());
        EXPECT_EQ(QString::fromStdString(program.birthDetails.Name), QString::fromUtf8(c.name));
        EXPECT_EQ(program.birthDetails.Month, c.month);
        EXPECT_EQ(std::to_string(program.birthDetails.Day), c.day);
        EXPECT_EQ(std::to_string(program.birthDetails.Year), c.year);
        // Every file that opens here holds August 23.
        EXPECT_EQ(result->lblResult(0)->text(), "SHAHRIVAR (VIRGO)");
        return;
    }
    if (c.reason) {
        expectCheckTheFile(form, path, c.reason);
        EXPECT_EQ(stateOf(form), typed);
        return;
    }
    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0].text, c.message);
    EXPECT_EQ(world.messages.shown[0].icon, c.icon);
    EXPECT_EQ(TheOnly<frmMain>(), form);
    EXPECT_TRUE(OpenWindowsOf<frmIranianAstrologyResult>().isEmpty());
    EXPECT_EQ(stateOf(form), (FormState{QString::fromUtf8(c.name), QString::fromLatin1(c.month),
                                        QString::fromLatin1(c.day), QString::fromLatin1(c.year)}));
}

constexpr const char* CheckTheFile = "Please Check The File.";
constexpr const char* NotAReadingFile = "This is not a reading file.";
constexpr const char* NoSuchFile = "No such file or directory";
constexpr MessageIcon Critical = MessageIcon::Critical;

// A refused file names no details: the form keeps what was typed.
OpenCase Refused(const char* label, std::function<void(const QString&, ScriptedDialogs&)> make,
                 const char* reason) {
    return {label,   std::move(make), CheckTheFile, reason, Critical,
            nullptr, nullptr,         nullptr,      nullptr};
}

OpenCase Opens(const char* label, std::function<void(const QString&, ScriptedDialogs&)> make,
               const char* name) {
    return {label, std::move(make), nullptr, nullptr, Critical, name, "August", "23", "1975"};
}

INSTANTIATE_TEST_SUITE_P(
    Table, OpenHostile,
    ::testing::Values(
        // A line that a file lacks reads as empty, and an empty month matches no entry.
        Refused("EmptyFile", Bytes({}), NotAReadingFile),
        Refused("OneLine", Bytes(EncodedLines({"Ann Lee"})), NotAReadingFile),
        Refused("ThreeLines", Bytes(EncodedLines({"Ann Lee", "August", "23"})), NotAReadingFile),
        Opens("NoFinalLineBreak", Bytes(AnnLeeFile.chopped(2)), "Ann Lee"),
        // As a Linux editor saves it, and as an old Mac one did.
        Opens("LineFeedsOnly", Bytes(QByteArray(AnnLeeFile).replace("\r\n", "\n")), "Ann Lee"),
        Opens("CarriageReturnsOnly", Bytes(QByteArray(AnnLeeFile).replace("\r\n", "\r")),
              "Ann Lee"),
        // Random bytes decode to control characters, which must never reach the name box.
        Refused("BinaryGarbage", Bytes(Garbage(4096, 6)), NotAReadingFile),
        // The decoder drops every code below 85, NUL among them, but a NUL between CR and LF
        // makes them two line ends.
        Refused("NulAfterEveryByte", Bytes(NulAfterEveryByte(AnnLeeFile)), NotAReadingFile),
        Refused("OnlyNulBytes", Bytes(QByteArray(4096, '\0')), NotAReadingFile),
        // The three bytes of a UTF-8 byte-order mark are read like any others: EF BB BF shift
        // to "š", "f" and "j" in front of the name.
        Opens("ByteOrderMark", Bytes(QByteArray("\xEF\xBB\xBF") + AnnLeeFile),
              "\xC5\xA1"
              "fjAnn Lee"),
        Refused(
            "FolderNamedZod",
            [](const QString& path, ScriptedDialogs&) { ASSERT_TRUE(QDir().mkdir(path)); },
            "This is a folder or a device, not a file."),
        Refused(
            "VanishesAfterTheDialog",
            [](const QString& path, ScriptedDialogs& dialogs) {
                WriteFile(path, AnnLeeFile);
                dialogs.beforeOpenReturns = [path] {
                    EXPECT_TRUE(QFile::exists(path));
                    QFile::remove(path);
                };
            },
            NoSuchFile),
        Opens(
            "SymlinkToAReading",
            [](const QString& path, ScriptedDialogs&) {
                const QString target = path + QStringLiteral(".target");
                WriteFile(target, AnnLeeFile);
                ASSERT_TRUE(QFile::link(target, path));
            },
            "Ann Lee"),
        Refused(
            "DanglingSymlink",
            [](const QString& path, ScriptedDialogs&) {
                ASSERT_TRUE(QFile::link(path + QStringLiteral(".gone"), path));
            },
            NoSuchFile),
        Refused("DayMatchesNoEntry", Bytes(EncodedLines({"Ann Lee", "August", "32", "1975"})),
                NotAReadingFile),
        Refused("DayOf40", Bytes(EncodedLines({"Ann Lee", "August", "40", "1975"})),
                NotAReadingFile),
        Refused("YearOutsideTheList", Bytes(EncodedLines({"Ann Lee", "August", "23", "1899"})),
                NotAReadingFile),
        Refused("MonthInLowerCase", Bytes(EncodedLines({"Ann Lee", "august", "23", "1975"})),
                NotAReadingFile),
        // Every line matches a list entry, so the file fills the form and the birth-details
        // check has the last word.
        OpenCase{"DateTheCalendarLacks", Bytes(EncodedLines({"Ann Lee", "February", "30", "1975"})),
                 "Please Enter Correct Date Or Month!", nullptr, MessageIcon::Information,
                 "Ann Lee", "February", "30", "1975"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FilesFixture, AHundredMegabyteLineIsRefusedQuicklyWithoutBeingReadIntoMemory) {
    frmMain* form = typedForm();
    ASSERT_NE(form, nullptr);
    const QString path = dir.filePath(QStringLiteral("huge.zod"));
    constexpr qint64 Size = 100LL * 1024 * 1024;
    {
        // One mebibyte of letters, then a hole up to the full size: one line, no line break.
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(QByteArray(1024 * 1024, '\xB6')), 1024 * 1024);
        ASSERT_TRUE(file.resize(Size));
    }
    ASSERT_EQ(QFileInfo(path).size(), Size);
    const FormState before = stateOf(form);
    ASSERT_TRUE(ResetPeakResident());
    const std::size_t residentBefore = ResidentBytes();
    const std::size_t readBefore = BytesReadSoFar();
    ASSERT_GT(readBefore, 0u) << "/proc/self/io cannot be read";

    open(form, path);

    // Refused after the longest line a reading may hold, not after the whole file.
    EXPECT_LT(BytesReadSoFar() - readBefore, 1024u * 1024);
    EXPECT_LT(PeakResidentBytes() - residentBefore, 8u * 1024 * 1024);
    expectCheckTheFile(form, path, "This is not a reading file.");
    EXPECT_EQ(stateOf(form), before);
}

TEST_F(FilesFixture, AFifoNamedLikeAReadingIsRefusedWithoutWaitingForAWriter) {
    frmMain* form = typedForm();
    ASSERT_NE(form, nullptr);
    const QString path = dir.filePath(QStringLiteral("pipe.zod"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    // Should the open wait for a writer, this one comes along after a while and closes at once,
    // so a fault shows as a rescued read rather than a hung test. A writer's non-blocking open
    // succeeds only while a reader has the FIFO open, so the count does not depend on speed.
    std::atomic<bool> finished = false;
    std::atomic<int> rescues = 0;
    std::thread rescuer([&] {
        for (int i = 0; i < 50 && !finished; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!finished) {
            const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ++rescues;
                ::close(fd);
            }
        }
    });
    open(form, path);
    finished = true;
    rescuer.join();

    EXPECT_EQ(rescues, 0) << "the open waited on the FIFO for a writer";
    expectCheckTheFile(form, path, "This is a folder or a device, not a file.");
    EXPECT_EQ(stateOf(form), (FormState{QStringLiteral("Typed"), QStringLiteral("March"),
                                        QStringLiteral("2"), QStringLiteral("1950")}));
}

// --- Saving: faults of the file system under the report window's Save.

// What one fault leaves behind for the save to meet.
struct SaveSetUp {
    QString target;  // what the dialog hands over
    QString earlier; // a file that must come through byte for byte
    QString skip;    // why this fault cannot be made here; empty when it can
    std::function<void()> undo = [] {};
};

struct SaveCase {
    const char* label;
    std::function<SaveSetUp(const QString& dir)> make;
    const char* reason; // as the system words it
};

const QByteArray EarlierReading("an earlier reading, longer than the new one\r\n");

QStringList TreeOf(const QString& root) {
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next();
    entries.sort();
    return entries;
}

class SaveFault : public FilesFixture, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveFault, SaysSoAndKeepsTheEarlierFileByteForByte) {
    frmMain* form = typedForm();
    ASSERT_NE(form, nullptr);
    Child<QLineEdit>(form, "txtName")->setText(QStringLiteral("Ann Lee"));
    form->Proceed();
    DeleteClosedWindows();
    frmIranianAstrologyResult* result = TheOnly<frmIranianAstrologyResult>();
    ASSERT_NE(result, nullptr);
    // Shown without its modal loop, so the test can press Save in it.
    auto* report = new frmSave(program, *result, result->resultCaptions());
    program.adoptWindow(report);
    report->show();

    SaveSetUp setUp = GetParam().make(dir.path());
    if (!setUp.skip.isEmpty()) {
        setUp.undo();
        GTEST_SKIP() << setUp.skip.toStdString();
    }
    const QStringList treeBefore = TreeOf(dir.path());
    dialogs.saveAnswer = setUp.target;
    Child<QPushButton>(report, "cmdSave")->click();
    const QByteArray earlierAfter = ContentsOf(setUp.earlier);
    const QStringList treeAfter = TreeOf(dir.path());
    setUp.undo();

    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0].text,
              MessageAboutFile("The Reading Could Not Be Saved.", setUp.target, GetParam().reason));
    EXPECT_EQ(world.messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(world.messages.shown[0].parent, report);
    EXPECT_TRUE(report->isVisible());
    EXPECT_EQ(earlierAfter, EarlierReading);
    // No temporary file is left behind anywhere.
    EXPECT_EQ(treeAfter, treeBefore);
}

SaveSetUp ParentIsAFile(const QString& dir) {
    const QString plain = dir + QStringLiteral("/plain");
    WriteFile(plain, EarlierReading);
    return {plain + QStringLiteral("/ann.zod"), plain, {}};
}

SaveSetUp TargetIsAFolder(const QString& dir) {
    const QString folder = dir + QStringLiteral("/ann.zod");
    QDir().mkdir(folder);
    WriteFile(folder + QStringLiteral("/inside.zod"), EarlierReading);
    return {folder, folder + QStringLiteral("/inside.zod"), {}};
}

// The file-size limit cuts the write short after a few bytes, as a quota would.
SaveSetUp WriteCutShort(const QString& dir) {
    const QString path = dir + QStringLiteral("/ann.zod");
    WriteFile(path, EarlierReading);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous;
    limited.rlim_cur = 12;
    if (::setrlimit(RLIMIT_FSIZE, &limited) != 0)
        return {path, path, QStringLiteral("the file-size limit cannot be lowered here"),
                [=] { std::signal(SIGXFSZ, previousHandler); }};
    return {path, path, {}, [=] {
                ::setrlimit(RLIMIT_FSIZE, &previous);
                std::signal(SIGXFSZ, previousHandler);
            }};
}

// Whether this thread now has a mount namespace of its own whose mounts reach no other: the
// small file system below is mounted only there, so nothing reaches the machine's mounts and
// nothing outlives the test process.
bool InPrivateMountNamespace() {
    static const bool entered = [] {
        if (::unshare(CLONE_NEWNS) != 0)
            return false;
        // A copied namespace still shares mount events with the machine's until made private.
        return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }();
    return entered;
}

// A tiny memory file system, filled to the last block.
SaveSetUp FullDisk(const QString& dir) {
    const QString disk = dir + QStringLiteral("/disk");
    QDir().mkdir(disk);
    const QByteArray where = QFile::encodeName(disk);
    if (!InPrivateMountNamespace())
        return {disk + QStringLiteral("/ann.zod"), disk + QStringLiteral("/ann.zod"),
                QStringLiteral("a private mount namespace needs root or a user namespace; "
                               "test_hostile_files_full_disk runs this case in one")};
    if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k,mode=0700") != 0)
        return {disk + QStringLiteral("/ann.zod"), disk + QStringLiteral("/ann.zod"),
                QStringLiteral("a small file system cannot be mounted here")};
    const auto unmount = [where] { ::umount2(where.constData(), MNT_DETACH); };
    const QString path = disk + QStringLiteral("/ann.zod");
    WriteFile(path, EarlierReading);
    QFile filler(disk + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {path, path, QStringLiteral("the small file system refuses files"), unmount};
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    filler.close();
    return {path, path, {}, unmount};
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveFault,
    ::testing::Values(SaveCase{"ParentIsAFile", ParentIsAFile, "Not a directory"},
                      SaveCase{"TargetIsAFolder", TargetIsAFolder,
                               "Filename refers to a directory"},
                      SaveCase{"WriteCutShort", WriteCutShort, "File too large"},
                      SaveCase{"FullDisk", FullDisk, "No space left on device"}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
