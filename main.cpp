#include "platform/Services.h"
#include "ui/web/ProgramIcon.h"
#include "ui/workflow/Program.h"
#include "ui/workflow/StartUp.h"
#include "ui/workflow/WindowMoves.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The run ends only through the end-of-run routine, never because a window closed.
    app.setQuitOnLastWindowClosed(false);
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QApplication::setWindowIcon(ProgramIcon());
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velmora.Parsiva"));

    const QString applicationName = QFileInfo(QCoreApplication::applicationFilePath()).baseName();
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

    if (!StartUp(program))
        return 0;
    return QApplication::exec();
}
