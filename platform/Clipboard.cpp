#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}
