#include "platform/Services.h"
#include "web/ProgramIcon.h"
#include "workflow/CommandLine.h"
#include "workflow/Program.h"
#include "workflow/StartUp.h"

#include <QApplication>
#include <QFont>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Decided before QApplication exists, so --help and --version answer without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLineRequest request = ReadCommandLine(arguments);
    if (request.exitCode) {
        std::fputs(request.output.toLocal8Bit().constData(),
                   request.outputIsError ? stderr : stdout);
        return *request.exitCode;
    }

    QApplication app(argc, argv);
    // The run ends only through the end-of-run routine, never because a window closed.
    app.setQuitOnLastWindowClosed(false);
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QApplication::setWindowIcon(ProgramIcon());
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velmora.Parsiva"));

    const QString applicationName = ApplicationNameOf(QCoreApplication::applicationFilePath());
    QtMessages messages;
    QtInstanceLock instanceLock(QtInstanceLock::defaultLockPath(applicationName));
    StdRandom random;
    QtProcess process;
    QtClock clock;
    QtLauncher launcher;
    QtSettingsStore settings;
    QtFileDialogs fileDialogs;
    QtPrinter printer;
    QtClipboard clipboard;
    Program program(Services{messages, instanceLock, random, process, clock, launcher, settings,
                             fileDialogs, printer, clipboard},
                    applicationName);

    if (!StartUp(program, request.readingPath))
        return 0;
    return QApplication::exec();
}
