#include "platform/Services.h"
#include "ui/workflow/ConfigureApplication.h"
#include "ui/workflow/Program.h"
#include "ui/workflow/StartUp.h"
#include "ui/workflow/WindowMoves.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ConfigureApplication(app);

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
