#pragma once

#include <QString>

#include <functional>

class QWidget;

// Looks at the file the person chose before a dialog hands it back: true takes it; false keeps
// the dialog open for another choice, once the check has told the person why (over dialog).
using ChoiceCheck = std::function<bool(QWidget* dialog, const QString& path)>;

// Open and save dialogs; an empty result means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Asks before replacing a file; the folder must exist.
    virtual QString getSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& defaultSuffix,
                                    const ChoiceCheck& check = {}) = 0;
    // Only an existing file can be chosen.
    virtual QString getOpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& defaultSuffix,
                                    const ChoiceCheck& check = {}) = 0;
};

class QtFileDialogs final : public FileDialogs {
public:
    QString getSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                            const QString& defaultSuffix, const ChoiceCheck& check = {}) override;
    QString getOpenFileName(QWidget* parent, const QString& title, const QString& filter,
                            const QString& defaultSuffix, const ChoiceCheck& check = {}) override;
    // "Description|*.zod" becomes "Description (*.zod)", the description kept word for word.
    static QString toQtFilter(const QString& filter);
};
