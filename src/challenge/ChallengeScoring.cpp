#include "ChallengeScoring.h"

#include "TextNumber.h"

#include <algorithm>

namespace ChallengeScoring {

std::int32_t wornBonus(std::int32_t bonusAtOpen, qint64 elapsedMs)
{
    // Counted from the clock rather than from the ticks, so that ticks a busy
    // machine delivers late or merges still cost what they should.
    const qint64 steps = std::max<qint64>(0, elapsedMs) / StepMs;
    const qint64 left = qint64(bonusAtOpen) - steps * BonusStep;
    return static_cast<std::int32_t>(std::max<qint64>(0, left));
}

std::int32_t cappedBonus(std::int32_t bonus)
{
    return std::min(bonus, BonusCap);
}

std::int32_t scoreAfterHit(std::int32_t score, std::int16_t level, std::int32_t bonus)
{
    // Floating point as the game always computed it; with bonuses in steps
    // of 100 the result is a whole number give or take rounding noise.
    const double total = double(score) + (1.0 + 0.1 * (level - 1)) * double(bonus);
    return static_cast<std::int32_t>(TextNumber::roundHalfEven(total));
}

} // namespace ChallengeScoring
