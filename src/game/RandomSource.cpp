#include "RandomSource.h"

#include <chrono>

RandomSource::RandomSource()
{
    reseedFromClock();
}

void RandomSource::reseedFromClock()
{
    // The high-resolution clock differs between two resets even within one
    // millisecond, so two rounds never replay the same numbers.
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32)};
    m_engine.seed(seq);
}

double RandomSource::next()
{
    return m_fraction(m_engine);
}
