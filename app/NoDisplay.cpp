#include "app/NoDisplay.h"

#include "core/ProgramIdentity.h"
#include "core/workflow/WorkflowTexts.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

// How long opening the display may go on without a sign of life.
constexpr auto NoAnswerLimit = 5s;
constexpr auto Tick = 200ms;
// Less than this much processor time in a tick is the watching thread itself.
constexpr auto BusyTick = 2ms;

// What was tried, as the person named it. Empty values count as not set.
struct DisplayChoice {
    QString display, displaySource;
    QString waylandDisplay;
    QString platform, platformSource;
};

DisplayChoice ReadDisplayChoice(const QStringList& arguments) {
    DisplayChoice choice{qEnvironmentVariable("DISPLAY"), QStringLiteral("DISPLAY"),
                         qEnvironmentVariable("WAYLAND_DISPLAY"),
                         qEnvironmentVariable("QT_QPA_PLATFORM"),
                         QStringLiteral("QT_QPA_PLATFORM")};
    // Qt reads its options with one dash or two, and the last one counts.
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        QString option = arguments[i];
        if (option.startsWith(QStringLiteral("--")))
            option.remove(0, 1);
        if (option == QStringLiteral("-platform")) {
            choice.platform = arguments[i + 1];
            choice.platformSource = option;
        } else if (option == QStringLiteral("-display")) {
            choice.display = arguments[i + 1];
            choice.displaySource = option;
        }
    }
    return choice;
}

QString Named(const QString& source, const QString& value) {
    return source + (source.startsWith(u'-') ? u' ' : u'=') + value;
}

enum class Reason { Failed, NoAnswer };

// Marked for the catalogues; looked up through the guard's lookup, since no application exists
// yet to translate them.
QString NoDisplayLine(const QString& programName, Reason reason, const DisplayChoice& choice,
                      const NoDisplayText& text) {
    const bool noneNamed = choice.display.isEmpty() && choice.waylandDisplay.isEmpty();
    QStringList tried;
    if (noneNamed) {
        tried << text(QT_TRANSLATE_NOOP("NoDisplay", "DISPLAY and WAYLAND_DISPLAY are not set"));
    } else {
        tried << (choice.display.isEmpty() ? text(QT_TRANSLATE_NOOP("NoDisplay", "DISPLAY not set"))
                                           : Named(choice.displaySource, choice.display));
        tried << (choice.waylandDisplay.isEmpty()
                      ? text(QT_TRANSLATE_NOOP("NoDisplay", "WAYLAND_DISPLAY not set"))
                      : Named(QStringLiteral("WAYLAND_DISPLAY"), choice.waylandDisplay));
    }
    if (!choice.platform.isEmpty())
        tried << Named(choice.platformSource, choice.platform);
    const QString what =
        reason == Reason::NoAnswer
            ? text(QT_TRANSLATE_NOOP("NoDisplay", "the display gave no answer for %1 seconds"))
                  .arg(text.number(std::chrono::seconds(NoAnswerLimit).count()))
        : noneNamed ? text(QT_TRANSLATE_NOOP("NoDisplay", "no display is named"))
                    : text(QT_TRANSLATE_NOOP("NoDisplay", "no display could be opened"));
    //: %1 the command, %2 the program's title, %3 what went wrong, %4 the displays tried.
    return text(QT_TRANSLATE_NOOP("NoDisplay",
                                  "%1: %2 needs a graphical desktop session, but %3 (%4).\n"))
        .arg(programName, text(std::string(parsiva::ShownTitle).c_str(), "Parsiva"), what,
             tried.join(text(QT_TRANSLATE_NOOP("NoDisplay", ", "))));
}

struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};

// Shared by the message handler, Qt's start-up routine and the watching thread.
struct WatchState {
    std::mutex mutex;
    std::condition_variable wake;
    bool watching = false;
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
    QByteArray failedLine, noAnswerLine;
    std::thread watcher;
};

WatchState& TheWatchState() {
    static WatchState state;
    return state;
}

[[noreturn]] void endWithoutDisplay(const QByteArray& line) {
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
    // Qt is half made: no destructors and no exit handlers run.
    std::_Exit(1);
}

const char* NullIfNull(const QByteArray& text) {
    return text.isNull() ? nullptr : text.constData();
}

// Ends the watch: the previous handler comes back and gets the held messages in order.
void ReleaseHeld() {
    WatchState& state = TheWatchState();
    std::vector<HeldMessage> held;
    QtMessageHandler previous = nullptr;
    {
        std::lock_guard lock(state.mutex);
        if (!state.watching)
            return;
        state.watching = false;
        qInstallMessageHandler(state.previous);
        previous = state.previous;
        held.swap(state.held);
    }
    state.wake.notify_all();
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(NullIfNull(message.file), message.line,
                                         NullIfNull(message.function),
                                         NullIfNull(message.category));
        previous(message.type, context, message.text);
    }
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    WatchState& state = TheWatchState();
    std::unique_lock lock(state.mutex);
    if (state.watching) {
        if (type == QtFatalMsg &&
            text.contains(QLatin1String("no Qt platform plugin could be initialized")))
            endWithoutDisplay(state.failedLine);
        if (type != QtFatalMsg) {
            // Copied: a plugin that failed to load may take its category's name with it.
            state.held.push_back({type, QByteArray(context.file), QByteArray(context.function),
                                  QByteArray(context.category), context.line, text});
            return;
        }
        lock.unlock();
        ReleaseHeld();
        lock.lock();
    }
    const QtMessageHandler previous = state.previous;
    lock.unlock();
    previous(type, context, text);
}

// On the main thread only: the watcher is gone before the run goes on.
void StopWatching() {
    ReleaseHeld();
    if (TheWatchState().watcher.joinable())
        TheWatchState().watcher.join();
}

// QApplication runs its start-up routines once its platform, and so the display, is open.
void DisplayOpened() {
    StopWatching();
}
Q_COREAPP_STARTUP_FUNCTION(DisplayOpened)

std::chrono::nanoseconds ProcessorTime() {
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec);
}

// The bytes this process has read so far (rchar), or -1; ownRead is what this look took.
long long BytesRead(long long& ownRead) {
    const int file = open("/proc/self/io", O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return -1;
    char text[512];
    const ssize_t length = read(file, text, sizeof text - 1);
    close(file);
    if (length <= 0)
        return -1;
    ownRead = length;
    text[length] = '\0';
    long long value = -1;
    return std::sscanf(text, "rchar: %lld", &value) == 1 ? value : -1;
}

// A display that never answers leaves the process waiting: no processor time, nothing read.
// A slow start (under valgrind, on a busy machine, over a slow link) shows one or the other.
void WatchForAnswer() {
    WatchState& state = TheWatchState();
    std::unique_lock lock(state.mutex);
    auto lastSign = std::chrono::steady_clock::now();
    auto cpu = ProcessorTime();
    long long ownRead = 0;
    long long readSoFar = BytesRead(ownRead);
    while (state.watching) {
        state.wake.wait_for(lock, Tick);
        if (!state.watching)
            break;
        const auto nowCpu = ProcessorTime();
        long long nowOwnRead = 0;
        const long long nowRead = BytesRead(nowOwnRead);
        const bool busy = nowCpu - cpu >= BusyTick;
        const bool reading = readSoFar >= 0 && nowRead > readSoFar + ownRead;
        cpu = nowCpu;
        readSoFar = nowRead;
        ownRead = nowOwnRead;
        const auto now = std::chrono::steady_clock::now();
        if (busy || reading)
            lastSign = now;
        else if (now - lastSign >= NoAnswerLimit)
            endWithoutDisplay(state.noAnswerLine);
    }
}

} // namespace

NoDisplayGuard::NoDisplayGuard(const QStringList& arguments, const NoDisplayText& text) {
    const QString programName =
        arguments.isEmpty() ? QStringLiteral("parsiva") : QFileInfo(arguments.first()).fileName();
    const DisplayChoice choice = ReadDisplayChoice(arguments);
    WatchState& state = TheWatchState();
    std::lock_guard lock(state.mutex);
    state.failedLine = NoDisplayLine(programName, Reason::Failed, choice, text).toLocal8Bit();
    state.noAnswerLine = NoDisplayLine(programName, Reason::NoAnswer, choice, text).toLocal8Bit();
    state.held.clear();
    state.watching = true;
    state.previous = qInstallMessageHandler(HoldMessage);
    state.watcher = std::thread(WatchForAnswer);
}

NoDisplayGuard::~NoDisplayGuard() {
    // In case QApplication never ran its start-up routines.
    StopWatching();
}
