#include "app/ParsivaMain.h"

#include "platform/Services.h"
#include "ui/base/Program.h"
#include "app/CommandLine.h"
#include "app/ConfigureApplication.h"
#include "app/Language.h"
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
    const InterfaceLanguage language = DesktopLanguage();
    const CommandLineRequest request = ReadCommandLine(arguments);
    if (request.exitCode) {
        // The catalogues are looked up through an application, which needs no display.
        QCoreApplication terminal(argc, argv);
        const LanguageInstallation installed(terminal, language);
        const CommandLineRequest answer = ReadCommandLine(arguments);
        std::fputs(answer.output.toLocal8Bit().constData(), answer.outputIsError ? stderr : stdout);
        return *answer.exitCode;
    }

    const EarlyCatalogue early(language);
    const NoDisplayGuard noDisplay(arguments,
                                   {[&early](const char* context, const char* source) {
                                        return early.translate(context, source);
                                    },
                                    [&early](long long value) { return early.number(value); }});
    QApplication app(argc, argv);
    ConfigureApplication(app);
    const LanguageInstallation installed(app, language);

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
    program.fontFamilies = installed.fontFamilies();
    UseWindowMoves(program);

    if (!StartUp(program, request.readingPath))
        return 0;
    return QApplication::exec();
}
