#include "platform/Services.h"
#include "ui/workflow/CommandLine.h"
#include "ui/workflow/ConfigureApplication.h"
#include "ui/workflow/Program.h"
#include "ui/workflow/StartUp.h"
#include "ui/workflow/WindowMoves.h"

#include <QApplication>
#include <QFileInfo>

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
