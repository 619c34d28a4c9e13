#pragma once

#include <QString>

class QTextDocument;

// Whether a document went to the printer, and if not, why, where that is known.
struct PrintOutcome {
    bool printed = false;
    QString problem; // the print system's own words, or the program's; empty when unknown
    explicit operator bool() const { return printed; }
};

// Prints a whole document on the default printer, without a dialog.
class Printer {
public:
    virtual ~Printer() = default;
    // Fails when there is no default printer or the job could not start.
    virtual PrintOutcome print(const QTextDocument& document) = 0;
};

class QtPrinter final : public Printer {
public:
    QtPrinter() = default;
    // Writes each job into this PDF file in place of the default printer.
    explicit QtPrinter(QString pdfFile);
    PrintOutcome print(const QTextDocument& document) override;

private:
    QString m_pdfFile;
};
