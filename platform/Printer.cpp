#include "platform/Printer.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include <memory>

QtPrinter::QtPrinter(QString pdfFile) : m_pdfFile(std::move(pdfFile)) {}

bool QtPrinter::print(const QTextDocument& document) {
    std::unique_ptr<QPrinter> printer;
    if (m_pdfFile.isEmpty()) {
        const QPrinterInfo target = QPrinterInfo::defaultPrinter();
        if (target.isNull())
            return false;
        printer = std::make_unique<QPrinter>(target, QPrinter::HighResolution);
    } else {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_pdfFile);
    }
    if (!printer->isValid())
        return false;
    document.print(printer.get());
    // print() itself is silent when the job cannot start; the printer's state tells.
    return printer->printerState() != QPrinter::Error;
}
