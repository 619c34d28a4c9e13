#pragma once

#include <QString>

// The store's application name for the program run from this file: its file name without the
// last extension, so "parsiva.v2.bin" keeps "parsiva.v2".
QString ApplicationNameOf(const QString& executablePath);

// The per-user settings store: application name, section and key lead to one text.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Missing entries read as the empty text.
    virtual QString read(const QString& application, const QString& section,
                         const QString& key) = 0;
    // False when the value could not be stored.
    virtual bool write(const QString& application, const QString& section, const QString& key,
                       const QString& value) = 0;
};

class QtSettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key) override;
    bool write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;
};
