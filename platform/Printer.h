#pragma once

#include <QString>

class QTextDocument;

// Prints a whole document on the default printer, without a dialog.
class Printer {
public:
    virtual ~Printer() = default;
    // False when there is no default printer or the job could not start.
    virtual bool print(const QTextDocument& document) = 0;
};

class QtPrinter final : public Printer {
public:
    QtPrinter() = default;
    // Writes each job into this PDF file in place of the default printer.
    explicit QtPrinter(QString pdfFile);
    bool print(const QTextDocument& document) override;

private:
    QString m_pdfFile;
};
