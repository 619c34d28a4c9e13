#include "platform/Process.h"

#include <QCoreApplication>

void QtProcess::end() {
    QCoreApplication::exit(0);
}
