#pragma once

#include <QString>
#include <vector>

// Order statistics of a set of measurements, in milliseconds.
struct Stats
{
    double median = 0;
    double p99 = 0;
    double max = 0;
    size_t count = 0;

    static Stats of(std::vector<double> values); // of the absolute values
    QString format() const;
};
