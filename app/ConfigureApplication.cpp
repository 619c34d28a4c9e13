#include "app/ConfigureApplication.h"

#include "core/ProgramIdentity.h"
#include "ui/base/ProgramIcon.h"
#include "ui/base/UiText.h"

#include <QApplication>
#include <QFont>

void ConfigureApplication(QApplication& app) {
    // The run ends only through the end-of-run routine, never because a window closed.
    app.setQuitOnLastWindowClosed(false);
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QApplication::setWindowIcon(ProgramIcon());
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(ToQString(parsiva::ApplicationId));
}
