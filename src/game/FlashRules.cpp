#include "FlashRules.h"

#include "TextNumber.h"

#include <cmath>

namespace FlashRules {

TickKind tickKind(int tick, int terms)
{
    if (tick <= terms)
        return TickKind::Flash;
    if (tick == terms + 1)
        return TickKind::Blank;
    return TickKind::Final;
}

std::int32_t drawNumber(const std::function<double()> &random, int digits, std::int32_t last)
{
    const double top = std::pow(10.0, digits);
    const double bottom = std::pow(10.0, digits - 1);
    for (;;) {
        const double n = std::floor(random() * top);
        if (n < bottom || n == static_cast<double>(last))
            continue;
        return static_cast<std::int32_t>(n);
    }
}

double intervalMs(float seconds)
{
    // Single precision, as the interval is kept: 0.1 s gives exactly 100 ms.
    return TextNumber::roundHalfEven(static_cast<double>(seconds * 1000.0f));
}

} // namespace FlashRules
