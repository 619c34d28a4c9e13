#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Tells whether another copy of the program already runs for this user.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // False only when another copy holds the lock; true when this copy now holds it, or when no
    // lock can be made at all and the program runs without one.
    virtual bool tryLock() = 0;
};

class QtInstanceLock final : public InstanceLock {
public:
    // lockPath: a file in the per-user runtime directory, one per program name.
    explicit QtInstanceLock(QString lockPath);
    ~QtInstanceLock() override;
    bool tryLock() override;
    static QString defaultLockPath(const QString& applicationName);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
