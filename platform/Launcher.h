#pragma once

#include <QString>

// Hands an address to the default browser; never waits and never reports a failure.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual void open(const QString& address) = 0;
};

class QtLauncher final : public Launcher {
public:
    void open(const QString& address) override;
};
