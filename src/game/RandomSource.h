#pragma once

#include <random>

// Fractions uniform in [0, 1), re-seeded from the clock whenever a round or a
// level is reset. Each game screen owns one.
class RandomSource
{
public:
    RandomSource();

    void reseedFromClock();
    double next();

private:
    std::mt19937_64 m_engine;
    std::uniform_real_distribution<double> m_fraction{0.0, 1.0};
};
