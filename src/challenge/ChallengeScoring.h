#pragma once

#include <QtGlobal>
#include <cstdint>

// How a correct challenge answer is paid: the time bonus the level starts
// with wears down by 100 for every whole 100 ms the answer dialog is open,
// is capped at 10000, and is weighted by the level.
namespace ChallengeScoring {

constexpr std::int32_t BonusCap = 10000;
constexpr std::int32_t BonusStep = 100;
constexpr qint64 StepMs = 100;

// The bonus left after `elapsedMs` of the answer dialog, never below 0.
std::int32_t wornBonus(std::int32_t bonusAtOpen, qint64 elapsedMs);

// The bonus a hit is paid from.
std::int32_t cappedBonus(std::int32_t bonus);

// The score after a hit at `level` with `bonus` (already capped):
// (1 + 0.1 x (level - 1)) x bonus, rounded, on top of `score`.
std::int32_t scoreAfterHit(std::int32_t score, std::int16_t level, std::int32_t bonus);

} // namespace ChallengeScoring
