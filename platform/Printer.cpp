#include "platform/Printer.h"

#include "core/readings/ReadingTexts.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#if PARSIVA_WITH_CUPS
#include <cups/cups.h>
#endif

#include <memory>

namespace {

// Qt hands the finished job to CUPS and keeps no word of a refusal; CUPS keeps the outcome of the
// thread's last request, here that hand-over. Qt's print plugin has loaded the library by then,
// so opening it again finds that same copy, with its record of the request.
QString PrintSystemProblem() {
#if PARSIVA_WITH_CUPS
    QLibrary cups(QStringLiteral("cups"), 2);
    const auto lastError =
        reinterpret_cast<decltype(&cupsLastError)>(cups.resolve("cupsLastError"));
    const auto lastErrorString =
        reinterpret_cast<decltype(&cupsLastErrorString)>(cups.resolve("cupsLastErrorString"));
    if (lastError && lastErrorString && lastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        return QString::fromUtf8(lastErrorString());
#endif
    return {};
}

} // namespace

QtPrinter::QtPrinter(QString pdfFile) : m_pdfFile(std::move(pdfFile)) {}

PrintOutcome QtPrinter::print(const QTextDocument& document) {
    std::unique_ptr<QPrinter> printer;
    if (m_pdfFile.isEmpty()) {
        const QPrinterInfo target = QPrinterInfo::defaultPrinter();
        if (target.isNull())
            return {false,
                    QCoreApplication::translate(std::string(parsiva::TextScope).c_str(),
                                                std::string(parsiva::NoPrinterReason).c_str())};
        printer = std::make_unique<QPrinter>(target, QPrinter::HighResolution);
    } else {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_pdfFile);
    }
    if (!printer->isValid())
        return {false, {}};
    document.print(printer.get());
    // print() itself is silent when the job cannot start; the printer's state tells.
    if (printer->printerState() == QPrinter::Error)
        return {false, {}};
    if (m_pdfFile.isEmpty()) {
        if (const QString problem = PrintSystemProblem(); !problem.isEmpty())
            return {false, problem};
    }
    return {true, {}};
}
