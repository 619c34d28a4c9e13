#include "platform/SettingsStore.h"

#include <QFileInfo>
#include <QSettings>

QString ApplicationNameOf(const QString& executablePath) {
    return QFileInfo(executablePath).completeBaseName();
}

namespace {
// QSettings reads "/" and "\" in a key as group separators; keys may hold any character, so
// those two and the escape character itself are written as %XX.
QString EscapedKey(const QString& key) {
    QString escaped;
    escaped.reserve(key.size());
    for (const QChar c : key) {
        if (c == QLatin1Char('%'))
            escaped += QLatin1String("%25");
        else if (c == QLatin1Char('/'))
            escaped += QLatin1String("%2F");
        else if (c == QLatin1Char('\\'))
            escaped += QLatin1String("%5C");
        else
            escaped += c;
    }
    return escaped;
}

QString KeyPath(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + EscapedKey(key);
}
} // namespace

QString QtSettingsStore::read(const QString& application, const QString& section,
                              const QString& key) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application, application);
    return settings.value(KeyPath(section, key)).toString();
}

bool QtSettingsStore::write(const QString& application, const QString& section, const QString& key,
                            const QString& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application, application);
    settings.setValue(KeyPath(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
