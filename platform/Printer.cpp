#include "platform/Printer.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

bool QtPrinter::print(const QTextDocument& document) {
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull())
        return false;
    QPrinter printer(target, QPrinter::HighResolution);
    if (!printer.isValid())
        return false;
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}
