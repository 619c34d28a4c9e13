#include "platform/InstanceLock.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

QtInstanceLock::QtInstanceLock(QString lockPath) : m_path(std::move(lockPath)) {}

QtInstanceLock::~QtInstanceLock() = default;

bool QtInstanceLock::tryLock() {
    if (m_lock && m_lock->isLocked())
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_path);
    // Age alone never makes a lock stale (a copy may run for weeks); QLockFile still takes over
    // a lock whose owning process is gone, so a crash cannot keep the program from starting.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

QString QtInstanceLock::defaultLockPath(const QString& applicationName) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QLatin1Char('/') + applicationName + QStringLiteral(".lock");
}
