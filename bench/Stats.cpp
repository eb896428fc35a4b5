#include "Stats.h"

#include <algorithm>
#include <cmath>

Stats Stats::of(std::vector<double> values)
{
    Stats s;
    s.count = values.size();
    if (values.empty())
        return s;
    for (double &v : values)
        v = std::abs(v);
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) {
        const size_t i = std::min(values.size() - 1, size_t(std::ceil(q * double(values.size()))) - 1);
        return values[i];
    };
    s.median = at(0.5);
    s.p99 = at(0.99);
    s.max = values.back();
    return s;
}

QString Stats::format() const
{
    return QStringLiteral("median %1  p99 %2  max %3 ms  (n=%4)").arg(median, 7, 'f', 3).arg(p99, 7, 'f', 3).arg(max, 7, 'f', 3).arg(count);
}
