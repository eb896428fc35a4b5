#include "StaircaseBench.h"

#include "Staircase.h"

#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int Players = 1000;
constexpr int Rounds = 60;
constexpr double StartMs = 1000; // the 間隔 box's first value

// A player right with a chance that rises with the interval along a
// logistic in log interval of slope `slope`, reaching `target` exactly at
// the interval `thresholdMs`.
double chanceRight(double intervalMs, double thresholdMs, double target, double slope)
{
    return 1.0 / (1.0 + (1.0 / target - 1.0) * std::pow(thresholdMs / intervalMs, slope));
}

// About the most any unbiased procedure could reach (the Cramér-Rao bound): 60 rounds each at the interval that
// tells most about the threshold (where the player is right half the time),
// the slope known, the estimate's spread in log interval 2 / (slope sqrt n).
double idealWithin(double slope)
{
    const double sigma = 2 / (slope * std::sqrt(double(Rounds)));
    const auto normal = [](double z) { return 0.5 * std::erfc(-z / std::sqrt(2.0)); };
    return normal(std::log(1.1) / sigma) - normal(std::log(0.9) / sigma);
}

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(share * double(values.size())))];
}

void printRow(QTextStream &out, Staircase::Rule rule, double thresholdMs, double slope)
{
    const double target = Staircase::targetAccuracy(rule);
    std::vector<double> errors, converged;
    int within = 0;
    for (int player = 0; player < Players; ++player) {
        std::mt19937 random(std::uint32_t(player * 7919 + int(thresholdMs)));
        std::uniform_real_distribution<double> uniform(0, 1);
        Staircase::State s = Staircase::start(StartMs);
        int lastOutside = 0; // the last round after which the estimate was missing or off by 10 % or more
        for (int round = 1; round <= Rounds; ++round) {
            const bool right = uniform(random) < chanceRight(Staircase::roundMs(s), thresholdMs, target, slope);
            s = Staircase::next(s, right, rule);
            const std::optional<double> e = Staircase::estimate(s);
            if (!e || std::abs(*e / thresholdMs - 1) >= 0.1)
                lastOutside = round;
        }
        const std::optional<double> e = Staircase::estimate(s);
        errors.push_back(e ? 100 * std::abs(*e / thresholdMs - 1) : INFINITY);
        if (lastOutside < Rounds) {
            ++within;
            converged.push_back(lastOutside + 1);
        }
    }
    out << QStringLiteral("%1  %2 s  slope %3   %4 %   %5 %   %6 %   %7   %8      %9 %\n")
               .arg(rule == Staircase::Rule::TwoDown ? QStringLiteral("2-down 70.7%") : QStringLiteral("3-down 79.4%"))
               .arg(thresholdMs / 1000, 4, 'f', 1)
               .arg(slope, 0, 'f', 0)
               .arg(100.0 * within / Players, 5, 'f', 1)
               .arg(percentile(errors, 0.5), 5, 'f', 1)
               .arg(percentile(errors, 0.9), 5, 'f', 1)
               .arg(percentile(converged, 0.5), 4, 'f', 0)
               .arg(percentile(converged, 0.9), 4, 'f', 0)
               .arg(100 * idealWithin(slope), 5, 'f', 1);
}

} // namespace

void runStaircaseBench(QTextStream &out)
{
    out << "Adaptive speed: " << Players << " simulated players per row, " << Rounds << " rounds from " << StartMs / 1000 << " s; steps x"
        << Staircase::FirstStep << " until the first wrong answer, x" << Staircase::MidStep << " until the second turn, then x"
        << Staircase::Step
        << ".\n"
           "within 10 %: share whose estimate is within 10 % of their threshold from some round on through round 60;\n"
           "error: |estimate / threshold - 1| at round 60 (median, p90); rounds: the round from which it stays within (median, p90).\n"
           "ideal: about the most any unbiased procedure could reach in 60 rounds on that slope.\n"
           "rule          threshold  slope  within  err med  err p90  rounds med p90   ideal\n";
    for (Staircase::Rule rule : {Staircase::Rule::TwoDown, Staircase::Rule::ThreeDown})
        for (double slope : {2.0, 3.0, 4.0, 6.0})
            for (double thresholdMs : {200.0, 500.0, 1000.0, 1500.0})
                printRow(out, rule, thresholdMs, slope);
    out.flush();
}
