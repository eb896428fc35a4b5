#include "Staircase.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace Staircase {

namespace {

int runToShorten(Rule rule)
{
    return rule == Rule::ThreeDown ? 3 : 2;
}

State moved(State s, int direction, double factor)
{
    if (s.direction != 0 && direction != s.direction) {
        // The turn is where the run that ended was stopped: this interval.
        ++s.turns;
        s.lastTurns.append(s.intervalMs);
        while (s.lastTurns.size() > TurnsForEstimate)
            s.lastTurns.removeFirst();
    }
    s.direction = direction;
    s.rightRun = 0;
    s.intervalMs = std::clamp(direction < 0 ? s.intervalMs * factor : s.intervalMs / factor, MinMs, MaxMs);
    return s;
}

} // namespace

State start(double intervalMs)
{
    State s;
    s.intervalMs = std::isfinite(intervalMs) ? std::clamp(intervalMs, MinMs, MaxMs) : 1000.0;
    return s;
}

State next(State s, bool right, Rule rule)
{
    const double step = s.turns < MidStepTurns ? MidStep : Step;
    if (!right) {
        s.wrongSeen = true;
        return moved(s, +1, step);
    }
    if (!s.wrongSeen)
        return moved(s, -1, FirstStep);
    if (++s.rightRun < runToShorten(rule))
        return s;
    return moved(s, -1, step);
}

std::optional<double> estimate(const State &s)
{
    if (s.lastTurns.size() < TurnsForEstimate)
        return std::nullopt;
    return std::accumulate(s.lastTurns.cbegin(), s.lastTurns.cend(), 0.0) / double(s.lastTurns.size());
}

int roundMs(const State &s)
{
    return int(std::clamp(std::lround(s.intervalMs), long(MinMs), long(MaxMs)));
}

double targetAccuracy(Rule rule)
{
    return std::pow(0.5, 1.0 / runToShorten(rule));
}

QString toText(const State &s)
{
    QStringList parts{QString::number(s.intervalMs, 'g', QLocale::FloatingPointShortest), QString::number(s.rightRun),
                      QString::number(s.direction), QString::number(s.wrongSeen ? 1 : 0), QString::number(s.turns)};
    for (double t : s.lastTurns)
        parts << QString::number(t, 'g', QLocale::FloatingPointShortest);
    return parts.join(u' ');
}

std::optional<State> fromText(QStringView text)
{
    const QList<QStringView> parts = text.trimmed().split(u' ', Qt::SkipEmptyParts);
    if (parts.size() < 5 || parts.size() > 5 + TurnsForEstimate)
        return std::nullopt;
    bool ok[5] = {};
    State s;
    s.intervalMs = parts[0].toDouble(&ok[0]);
    s.rightRun = parts[1].toInt(&ok[1]);
    s.direction = parts[2].toInt(&ok[2]);
    const int wrongSeen = parts[3].toInt(&ok[3]);
    s.turns = parts[4].toInt(&ok[4]);
    if (!std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }) || !(s.intervalMs >= MinMs && s.intervalMs <= MaxMs)
        || s.rightRun < 0 || s.rightRun > 2 || s.direction < -1 || s.direction > 1 || wrongSeen < 0 || wrongSeen > 1
        || s.turns < parts.size() - 5 || s.turns > 1000000000)
        return std::nullopt;
    s.wrongSeen = wrongSeen == 1;
    for (qsizetype i = 5; i < parts.size(); ++i) {
        bool turnOk = false;
        const double t = parts[i].toDouble(&turnOk);
        if (!turnOk || !(t >= MinMs && t <= MaxMs))
            return std::nullopt;
        s.lastTurns.append(t);
    }
    return s;
}

} // namespace Staircase
