#include "platform/Random.h"

#include <chrono>

void StdRandom::seedFromClock() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float StdRandom::next() {
    // 24 random bits give every float step in [0, 1) and never 1 itself.
    return static_cast<float>(m_engine() >> 8) / 16777216.0f;
}
