#include "tests/hardening/Hardening.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <functional>
#include <unistd.h>

using namespace hardening;

namespace {

// The real program, started as the copy that holds the lock, in a home of its own.
class RunningCopy : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        for (const char* folder : {"home", "config", "runtime"})
            ASSERT_TRUE(QDir(root.path()).mkdir(QLatin1String(folder)));
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        lockPath = runtime() + QStringLiteral("/parsiva.lock");
    }

    void TearDown() override {
        if (copy.state() != QProcess::NotRunning) {
            copy.kill();
            copy.waitForFinished(5000);
        }
    }

    QString runtime() const { return root.path() + QStringLiteral("/runtime"); }

    // Starts the program and waits until its lock names it.
    void startCopy() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), root.path() + QStringLiteral("/home"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        copy.setProcessEnvironment(env);
        copy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copy.start(QStringLiteral(PARSIVA_BINARY), {});
        ASSERT_TRUE(copy.waitForStarted(10000));
        QElapsedTimer waited;
        waited.start();
        while (lockOwner() != copy.processId()) {
            ASSERT_EQ(copy.state(), QProcess::Running) << "the copy ended before taking the lock";
            ASSERT_LT(waited.elapsed(), 30000) << "the copy never took the lock";
            QThread::msleep(50);
        }
    }

    void killCopy() {
        ASSERT_EQ(::kill(static_cast<pid_t>(copy.processId()), SIGKILL), 0);
        ASSERT_TRUE(copy.waitForFinished(10000));
        EXPECT_EQ(copy.exitStatus(), QProcess::CrashExit);
    }

    // The process the lock file names; 0 when there is none or it cannot be read.
    qint64 lockOwner() const {
        QLockFile reader(lockPath);
        qint64 pid = 0;
        QString host, application;
        return reader.getLockInfo(&pid, &host, &application) ? pid : 0;
    }

    QTemporaryDir root;
    QString lockPath;
    QProcess copy;
};

TEST_F(RunningCopy, ALiveCopyKeepsItsLock) {
    startCopy();
    QtInstanceLock next(lockPath);
    EXPECT_FALSE(next.tryLock());
    EXPECT_FALSE(next.tryLock());
    EXPECT_EQ(copy.state(), QProcess::Running);
    EXPECT_EQ(lockOwner(), copy.processId());
}

TEST_F(RunningCopy, ALiveCopyKeepsItsLockEvenWhenItsFileNoLongerNamesIt) {
    startCopy();
    WriteFile(lockPath, {});
    QtInstanceLock next(lockPath);
    EXPECT_FALSE(next.tryLock());
    EXPECT_EQ(copy.state(), QProcess::Running);
    EXPECT_TRUE(QFile::exists(lockPath));
}

TEST_F(RunningCopy, ACopyKilledOutrightLeavesALockTheNextStartTakesOver) {
    startCopy();
    killCopy();
    // Nothing cleaned up after the killed copy: its lock file still names it.
    ASSERT_TRUE(QFile::exists(lockPath));
    ASSERT_NE(lockOwner(), 0);

    QtInstanceLock next(lockPath);
    ASSERT_TRUE(next.tryLock());
    EXPECT_EQ(lockOwner(), QCoreApplication::applicationPid());
    // And it is held now: yet another start is refused.
    QtInstanceLock another(lockPath);
    EXPECT_FALSE(another.tryLock());
}

TEST_F(RunningCopy, ALockNamingAProcessOfAnotherProgramIsTakenOver) {
    startCopy();
    killCopy();
    // The killed copy's number now belongs to a running process of another program: this one.
    QByteArray contents = ContentsOf(lockPath);
    contents = QByteArray::number(QCoreApplication::applicationPid()) +
               contents.mid(contents.indexOf('\n'));
    WriteFile(lockPath, contents);
    ASSERT_EQ(lockOwner(), QCoreApplication::applicationPid());

    QtInstanceLock next(lockPath);
    EXPECT_TRUE(next.tryLock());
}

// A copy killed between creating its lock file and writing into it leaves no owner in it.
struct UnfinishedLock {
    const char* label;
    QByteArray contents;
};

class UnfinishedLockFile : public ::testing::TestWithParam<UnfinishedLock> {};

TEST_P(UnfinishedLockFile, IsTakenOver) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QString path = runtime.filePath(QStringLiteral("parsiva.lock"));
    WriteFile(path, GetParam().contents);

    QtInstanceLock next(path);
    ASSERT_TRUE(next.tryLock());
    QLockFile reader(path);
    qint64 pid = 0;
    QString host, application;
    ASSERT_TRUE(reader.getLockInfo(&pid, &host, &application));
    EXPECT_EQ(pid, QCoreApplication::applicationPid());
    QtInstanceLock another(path);
    EXPECT_FALSE(another.tryLock());
}

INSTANTIATE_TEST_SUITE_P(Table, UnfinishedLockFile,
                         ::testing::Values(UnfinishedLock{"Empty", {}},
                                           UnfinishedLock{"Garbage", "\x01\xFF\n\n\n"}),
                         [](const auto& info) { return std::string(info.param.label); });

// A runtime folder where no lock file can be made: no copy runs, so this one must.
struct UnmakeableLock {
    const char* label;
    // Returns the lock path inside root, or an empty text when this machine cannot arrange it.
    std::function<QString(const QString& root)> arrange;
};

QStringList g_warnings;

void RecordWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg)
        g_warnings << message;
}

class LockThatCannotBeMade : public ::testing::TestWithParam<UnmakeableLock> {};

TEST_P(LockThatCannotBeMade, StartsTheProgramWithOneWarningLine) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString path = GetParam().arrange(root.path());
    if (path.isEmpty())
        GTEST_SKIP() << "permissions do not bind the superuser";

    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(RecordWarning);
    QtInstanceLock lock(path);
    const bool runs = lock.tryLock();
    qInstallMessageHandler(previous);

    EXPECT_TRUE(runs);
    ASSERT_EQ(g_warnings.size(), 1) << g_warnings.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(g_warnings[0].contains(QLatin1Char('\n')));
    EXPECT_TRUE(g_warnings[0].contains(path)) << g_warnings[0].toStdString();
    // Restored, so that the folder can be cleaned up.
    QFile::setPermissions(root.path() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LockThatCannotBeMade,
    ::testing::Values(UnmakeableLock{"ReadOnlyFolder",
                                     [](const QString& root) {
                                         const QString runtime = root + QStringLiteral("/runtime");
                                         EXPECT_TRUE(QDir().mkdir(runtime));
                                         QFile::setPermissions(runtime,
                                                               QFile::ReadOwner | QFile::ExeOwner);
                                         return ::geteuid() == 0
                                                    ? QString()
                                                    : runtime + QStringLiteral("/parsiva.lock");
                                     }},
                      // Stands for any other failure, a full disk among them.
                      UnmakeableLock{"FolderIsAFile",
                                     [](const QString& root) {
                                         const QString runtime = root + QStringLiteral("/runtime");
                                         WriteFile(runtime, "not a folder");
                                         return runtime + QStringLiteral("/parsiva.lock");
                                     }}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
