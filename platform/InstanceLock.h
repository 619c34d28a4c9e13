#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Tells whether another copy of the program already runs for this user.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when this copy now holds the lock, false when another copy has it.
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
