#include "platform/SettingsStore.h"

#include <QSettings>

namespace {
QString path(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}
} // namespace

QString QtSettingsStore::read(const QString& application, const QString& section,
                              const QString& key) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application, application);
    return settings.value(path(section, key)).toString();
}

bool QtSettingsStore::write(const QString& application, const QString& section,
                            const QString& key, const QString& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application, application);
    settings.setValue(path(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
