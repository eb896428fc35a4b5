#include "LevelLadder.h"

#include "FlashRules.h"
#include "TextNumber.h"

namespace LevelLadder {

float stepDown(float interval)
{
    return static_cast<float>(static_cast<double>(interval) - 0.1);
}

std::optional<Shape> next(Shape current)
{
    Shape s = current;
    s.interval = stepDown(s.interval);
    if (s.interval < 0.5f) {
        s.interval = 1.5f;
        if (++s.terms > MaxTerms) {
            s.terms = 2;
            if (++s.digits > MaxDigits)
                return std::nullopt;
        }
    }
    return s;
}

int intervalMs(float interval)
{
    return static_cast<int>(FlashRules::intervalMs(interval));
}

std::int32_t startingBonus(float interval)
{
    // Single precision throughout, like the interval itself: 0.6f gives 11100.
    return static_cast<std::int32_t>(TextNumber::roundHalfEven(static_cast<double>(interval * 1000.0f + 10500.0f)));
}

} // namespace LevelLadder
