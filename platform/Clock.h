#pragma once

#include <QDate>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class QtClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};
