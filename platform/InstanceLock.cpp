#include "platform/InstanceLock.h"

#include <QDebug>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

QtInstanceLock::QtInstanceLock(QString lockPath) : m_path(std::move(lockPath)) {}

QtInstanceLock::~QtInstanceLock() = default;

namespace {

// Only a lock that another copy holds keeps this one from running. A lock that cannot be made at
// all (a read-only or full runtime folder) says nothing about other copies: run, and say why.
bool RunsDespite(const QLockFile& lock, const QString& path) {
    if (lock.error() == QLockFile::LockFailedError)
        return false;
    const char* reason = lock.error() == QLockFile::PermissionError ? "no permission to create it"
                                                                    : "it cannot be created";
    qWarning().noquote() << QStringLiteral("parsiva: starting without the single-copy lock %1: %2")
                                .arg(path, QLatin1String(reason));
    return true;
}

} // namespace

bool QtInstanceLock::tryLock() {
    if (m_lock && m_lock->isLocked())
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_path);
    // Age alone never makes a lock stale (a copy may run for weeks); QLockFile still takes over
    // a lock whose owning process is gone, so a crash cannot keep the program from starting.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() != QLockFile::LockFailedError)
        return RunsDespite(*m_lock, m_path);
    // A copy killed between creating the file and writing its owner into it leaves a lock that
    // QLockFile, never stale by age here, would keep for ever. Removal is refused while a live
    // copy holds the file's own lock, so a running copy is never turned out.
    qint64 pid = 0;
    QString host, application;
    if (m_lock->getLockInfo(&pid, &host, &application) || !m_lock->removeStaleLockFile())
        return false;
    return m_lock->tryLock(0) || RunsDespite(*m_lock, m_path);
}

QString QtInstanceLock::defaultLockPath(const QString& applicationName) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QLatin1Char('/') + applicationName + QStringLiteral(".lock");
}
