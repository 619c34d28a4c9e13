#pragma once

#include <QString>

class QWidget;

// Open and save dialogs; an empty result means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Asks before replacing a file; the folder must exist; read-only targets are refused.
    virtual QString getSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& defaultSuffix) = 0;
    // Only an existing, writable file can be chosen.
    virtual QString getOpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& defaultSuffix) = 0;
};

class QtFileDialogs final : public FileDialogs {
public:
    QString getSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                            const QString& defaultSuffix) override;
    QString getOpenFileName(QWidget* parent, const QString& title, const QString& filter,
                            const QString& defaultSuffix) override;
    // "Description|*.zod" becomes "Description (*.zod)", the description kept word for word.
    static QString toQtFilter(const QString& filter);
};
