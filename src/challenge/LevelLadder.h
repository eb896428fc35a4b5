#pragma once

#include <cstdint>
#include <optional>

// The challenge ladder: 155 levels from 2 digits, 2 terms and 1000 ms up to
// 5 digits, 5 terms and 600 ms. A level is fixed by its digits, terms and
// interval; the next one follows from it alone.
namespace LevelLadder {

struct Shape
{
    std::int16_t digits = 2;
    std::int16_t terms = 2;
    float interval = 1.0f; // seconds, single precision on purpose
};

constexpr Shape First{2, 2, 1.0f};
constexpr int LastLevel = 155;
constexpr std::int16_t MaxTerms = 5;
constexpr std::int16_t MaxDigits = 5;

// One step of 0.1 s down. The step is the double nearest to 0.1 and the
// result goes back to single precision; five steps from 1.0 s and ten from
// 1.5 s land just under 0.5 s, which is what ends each group at 600 ms.
float stepDown(float interval);

// The level after `current`, or nullopt when `current` was the last one.
std::optional<Shape> next(Shape current);

// The interval in whole milliseconds, as the round timer takes it.
int intervalMs(float interval);

// The time bonus a level starts with: its interval in ms plus 10500.
std::int32_t startingBonus(float interval);

} // namespace LevelLadder
