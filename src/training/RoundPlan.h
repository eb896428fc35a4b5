#pragma once

#include <QList>
#include <cstdint>
#include <functional>
#include <optional>

// The numbers and the timing of a training round with extras, worked out
// before it starts, without any window.
namespace RoundPlan {

// `terms` numbers of exactly `digits` digits. About `minusPercent` of them
// (the first never) are subtracted, shown with a minus sign, and the running
// total never goes below zero: a subtraction that cannot be afforded where it
// falls is moved to a later number, or dropped at the end. As in the designed
// round, a number never shows the same digits as the one before it.
// `random` gives fractions in [0, 1).
QList<std::int32_t> numbers(const std::function<double()> &random, int digits, int terms, int minusPercent);

// The running totals after each number.
QList<std::int32_t> runningTotals(const QList<std::int32_t> &numbers);

// A round set by its total time: the interval in whole milliseconds, halves
// to even; nullopt when there are no terms or under 1 ms a number, before
// any rounding.
std::optional<int> intervalForTotal(int totalMs, int terms);

// How long after a number appears it is taken down, in nanoseconds; nullopt
// when it stays up for the whole interval.
std::optional<std::int64_t> gapOnsetNs(int intervalMs, int flashPercent);

} // namespace RoundPlan
