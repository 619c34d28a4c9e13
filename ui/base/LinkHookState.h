#pragma once

#include <QObject>
#include <QPointer>

class QTextEdit;
class QWidget;

// The report window's link layer while it is installed; one report window exists at a time.
struct LinkHookState {
    QPointer<QObject> filter; // the installed layer; null when nothing is installed
    QPointer<QTextEdit> richText;
    QPointer<QWidget> owner;
};
