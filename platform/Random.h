#pragma once

#include <random>

// The program's one pseudo-random generator, yielding 0 <= r < 1.
class Random {
public:
    virtual ~Random() = default;
    virtual void seedFromClock() = 0;
    virtual float next() = 0;
};

class StdRandom final : public Random {
public:
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 m_engine;
};
