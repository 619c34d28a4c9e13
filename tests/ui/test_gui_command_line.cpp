#include "tests/support/FakeServices.h"
#include "tests/support/ReadingFixtures.h"

#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"
#include "app/CommandLine.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

namespace {

struct ParseCase {
    const char* label;
    QStringList arguments; // after the program's name
    std::optional<int> exitCode;
    bool outputIsError;
    QStringList outputHas;
    QString readingPath; // relative ones are expected against the current folder; empty: none
    InterfaceLanguage language = InterfaceLanguage::English;
};

class ReadCommandLineCase : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ReadCommandLineCase, DecidesTheRunBeforeAnyWindow) {
    const ParseCase& c = GetParam();
    TestWorld world;
    world.speak(c.language);
    const CommandLineRequest request =
        ReadCommandLine(QStringList{QStringLiteral("/usr/bin/parsiva")} + c.arguments);
    EXPECT_EQ(request.exitCode, c.exitCode);
    EXPECT_EQ(request.outputIsError, c.outputIsError);
    for (const QString& part : c.outputHas)
        EXPECT_TRUE(request.output.contains(part)) << part.toStdString() << " not in\n"
                                                   << request.output.toStdString();
    if (c.exitCode)
        EXPECT_FALSE(request.readingPath);
    else if (c.readingPath.isEmpty())
        EXPECT_FALSE(request.readingPath);
    else
        EXPECT_EQ(request.readingPath, QDir::current().absoluteFilePath(c.readingPath));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadCommandLineCase,
    ::testing::Values(
        ParseCase{"Nothing", {}, std::nullopt, false, {}, {}},
        ParseCase{"RelativeFile", {"june.zod"}, std::nullopt, false, {}, "june.zod"},
        ParseCase{"AbsoluteFile",
                  {"/tmp/readings/june.zod"},
                  std::nullopt,
                  false,
                  {},
                  "/tmp/readings/june.zod"},
        ParseCase{"QtOptionsAroundTheFile",
                  {"-platform", "offscreen", "-style=Fusion", "-reverse", "--qwindowtitle", "T",
                   "june.zod", "-display", ":0"},
                  std::nullopt,
                  false,
                  {},
                  "june.zod"},
        ParseCase{"DashedFileAfterTheEndOfOptions",
                  {"--", "-june.zod"},
                  std::nullopt,
                  false,
                  {},
                  "-june.zod"},
        ParseCase{"Help",
                  {"--help"},
                  0,
                  false,
                  {"Usage: parsiva [options] [FILE]", "--help", "--version", "FILE"},
                  {}},
        ParseCase{"ShortHelpWinsOverAFile", {"june.zod", "-h"}, 0, false, {"[FILE]"}, {}},
        ParseCase{"Version", {"--version"}, 0, false, {"Parsiva 1.10\n"}, {}},
        ParseCase{"UnknownOption",
                  {"--bogus", "june.zod"},
                  2,
                  true,
                  {"parsiva: Unknown option 'bogus'.", "Usage: parsiva"},
                  {}},
        ParseCase{"QtOptionWithoutItsValue", {"-platform"}, 2, true, {"platform"}, {}},
        ParseCase{"TwoFiles", {"a.zod", "b.zod"}, 2, true, {"Only one file", "Usage:"}, {}},
        // Under the Persian catalogue: ours for our texts, Qt's own for the parser's.
        ParseCase{"HelpInPersian",
                  {"--help"},
                  0,
                  false,
                  {"طرز استفاده: \u2068parsiva\u2069 [گزینه‌ها] [پرونده]",
                   "گزینه‌ها:", "این راهنما را نشان می‌دهد",
                   "--version", "پروندهٔ طالعی"},
                  {},
                  InterfaceLanguage::Persian},
        ParseCase{"UnknownOptionInPersian",
                  {"--bogus"},
                  2,
                  true,
                  {"parsiva: گزینهٔ ناشناخته: «bogus».", "طرز استفاده:"},
                  {},
                  InterfaceLanguage::Persian},
        ParseCase{"TwoFilesInPersian",
                  {"a.zod", "b.zod"},
                  2,
                  true,
                  {"تنها یک پرونده را می‌توان باز کرد."},
                  {},
                  InterfaceLanguage::Persian}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ReadCommandLine, HelpLeavesOutQtsOwnOptions) {
    const QString help = ReadCommandLine({"parsiva", "--help"}).output;
    EXPECT_TRUE(help.startsWith("Usage: parsiva"));
    EXPECT_FALSE(help.contains("platform"));
    EXPECT_FALSE(help.contains("help-all"));
}

class StartUpWithAFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir;
    TestWorld world;
};

TEST_F(StartUpWithAFile, OpensTheReadingAfterTheUsualStartUp) {
    const QString path = write("june.zod", EncodedLines({"Cyrus", "June", "24", "1988"}));
    EXPECT_TRUE(StartUp(world.program, path));
    DeleteClosedWindows();

    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_TRUE(world.fileDialogs.calls.empty());
    EXPECT_EQ(world.random.seeds, 1);
    EXPECT_EQ(world.settings.writes, 1); // the first start's reminder, silently
    EXPECT_TRUE(OpenWindowsOf<frmMain>().isEmpty());
    frmIranianAstrologyResult* result = TheOnly<frmIranianAstrologyResult>();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->lblResult(0)->text(), "TIR (CANCER)");
    EXPECT_EQ(world.program.birthDetails.Name, "Cyrus");
    EXPECT_EQ(world.program.birthDetails.Year, 1988);
    EXPECT_EQ(world.process.ends, 0);
}

struct RefusedCase {
    const char* label;
    const char* name;
    enum { Missing, Folder, Refused } kind;
    const char* reason;
};

class StartUpWithABadFile : public StartUpWithAFile,
                            public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(StartUpWithABadFile, SaysCheckTheFileOverTheShowingMainForm) {
    const RefusedCase& c = GetParam();
    const QString path = dir.filePath(c.name);
    if (c.kind == RefusedCase::Folder)
        ASSERT_TRUE(QDir(dir.path()).mkdir(c.name));
    else if (c.kind == RefusedCase::Refused)
        write(c.name, EncodedLines({"Cyrus", "June", "24", "1988"}));
    bool formShowing = false;
    world.messages.whileShown = [&] {
        const frmMain* form = TheOnly<frmMain>();
        formShowing = form && form->isVisible();
    };

    EXPECT_TRUE(StartUp(world.program, path));
    DeleteClosedWindows();

    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0].text,
              MessageAboutFile("Please Check The File.", path, c.reason));
    EXPECT_EQ(world.messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(formShowing);
    frmMain* form = TheOnly<frmMain>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(world.messages.shown[0].parent, form);
    EXPECT_TRUE(OpenWindowsOf<frmIranianAstrologyResult>().isEmpty());
    EXPECT_EQ(world.process.ends, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StartUpWithABadFile,
    ::testing::Values(RefusedCase{"Missing", "missing.zod", RefusedCase::Missing,
                                  "No such file or directory"},
                      RefusedCase{"FolderNamedZod", "folder.zod", RefusedCase::Folder,
                                  "This is a folder or a device, not a file."},
                      RefusedCase{"UpperCaseEnding", "june.ZOD", RefusedCase::Refused,
                                  "The name does not end in zod."}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(StartUpWithAFile, ASecondCopyOnlySaysItIsRunningAndLeavesTheFileAlone) {
    const QString path = write("june.zod", EncodedLines({"Cyrus", "June", "24", "1988"}));
    world.instanceLock.otherCopyRunning = true;
    EXPECT_FALSE(StartUp(world.program, path));
    ASSERT_EQ(world.messages.shown.size(), 1u);
    EXPECT_EQ(world.messages.shown[0].text, "Application is already running");
    EXPECT_EQ(world.process.ends, 1);
    EXPECT_TRUE(world.program.openWindows().isEmpty());
    EXPECT_EQ(world.program.birthDetails.Name, "");
}

} // namespace
