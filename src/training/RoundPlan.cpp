#include "RoundPlan.h"

#include <algorithm>
#include <cmath>

namespace RoundPlan {

QList<std::int32_t> numbers(const std::function<double()> &random, int digits, int terms, int minusPercent)
{
    QList<std::int32_t> result;
    if (terms <= 0 || digits < 1 || digits > 9)
        return result;
    const std::int64_t low = std::llround(std::pow(10.0, digits - 1));
    const std::int64_t high = std::llround(std::pow(10.0, digits)) - 1;
    // The first number is always added, so at most terms - 1 subtractions.
    int minusLeft = std::min<int>(terms - 1, int(std::lround(terms * std::clamp(minusPercent, 0, 100) / 100.0)));
    std::int64_t total = 0;
    std::int64_t last = 0;
    result.reserve(terms);
    for (int i = 0; i < terms; ++i) {
        const int placesLeft = terms - i; // this one included
        bool minus = false;
        if (i > 0 && minusLeft > 0)
            minus = random() * placesLeft < minusLeft;
        // The magnitudes a subtraction can take here: d digits, no more than
        // the total, and not the digits shown last.
        std::int64_t top = high;
        if (minus) {
            top = std::min(high, total);
            const std::int64_t choices = top - low + 1 - ((last >= low && last <= top) ? 1 : 0);
            if (choices <= 0)
                minus = false; // not affordable here; a later number takes it
        }
        if (!minus)
            top = high;
        const bool skipLast = last >= low && last <= top;
        const std::int64_t count = top - low + 1 - (skipLast ? 1 : 0);
        std::int64_t n = low + std::min<std::int64_t>(count - 1, std::int64_t(std::floor(random() * count)));
        if (skipLast && n >= last)
            ++n; // over the digits shown last
        last = n;
        if (minus) {
            --minusLeft;
            total -= n;
            result.append(std::int32_t(-n));
        } else {
            total += n;
            result.append(std::int32_t(n));
        }
    }
    return result;
}

QList<std::int32_t> runningTotals(const QList<std::int32_t> &numbers)
{
    QList<std::int32_t> totals;
    std::int64_t total = 0;
    for (std::int32_t n : numbers) {
        total += n;
        totals.append(std::int32_t(total));
    }
    return totals;
}

std::optional<int> intervalForTotal(int totalMs, int terms)
{
    // Under 1 ms a number is refused before rounding: rounded up to 1 ms the
    // round would run longer than the total it is recorded with.
    if (terms <= 0 || totalMs < terms)
        return std::nullopt;
    return int(std::nearbyint(double(totalMs) / terms)); // the default rounding sends halves to even
}

std::optional<std::int64_t> gapOnsetNs(int intervalMs, int flashPercent)
{
    if (flashPercent >= 100 || flashPercent <= 0 || intervalMs <= 0)
        return std::nullopt;
    return std::int64_t(intervalMs) * 1000000 * flashPercent / 100;
}

} // namespace RoundPlan
