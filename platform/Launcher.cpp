#include "platform/Launcher.h"

#include <QDesktopServices>
#include <QUrl>

void QtLauncher::open(const QString& address) {
    const QUrl url(address, QUrl::TolerantMode);
    // Only web pages are ever handed on, whatever text arrives here.
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        return;
    QDesktopServices::openUrl(url);
}
