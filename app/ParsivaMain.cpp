#include "app/ParsivaMain.h"

#include "platform/Services.h"
#include "ui/base/Program.h"
#include "app/CommandLine.h"
#include "app/ConfigureApplication.h"
#include "app/NoDisplay.h"
#include "app/StartUp.h"
#include "app/WindowMoves.h"

#include <QApplication>

#include <cstdio>

int ParsivaMain(int argc, char* argv[]) {
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

    const NoDisplayGuard noDisplay(arguments);
    QApplication app(argc, argv);
    ConfigureApplication(app);

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
    UseWindowMoves(program);

    if (!StartUp(program, request.readingPath))
        return 0;
    return QApplication::exec();
}
