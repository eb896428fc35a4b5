#pragma once

#include <cstdint>
#include <functional>

// The rules of a flash round that need no window.
namespace FlashRules {

enum class TickKind { Flash, Blank, Final };

// Tick k of a round of n terms: 1..n flash, n + 1 blanks, n + 2 and later end it.
TickKind tickKind(int tick, int terms);

// A number of exactly `digits` digits (1..9), all equally likely, never equal
// to `last`. `random` gives fractions in [0, 1).
std::int32_t drawNumber(const std::function<double()> &random, int digits, std::int32_t last);

// The interval in whole milliseconds, halves to even.
double intervalMs(float seconds);

} // namespace FlashRules
