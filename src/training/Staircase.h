#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// The adaptive speed of training: a transformed up-down staircase on the
// interval. A wrong answer lengthens it, a run of right answers shortens
// it, so it settles where the player is right a known share of the time.
// Plain values and functions, without any window.
namespace Staircase {

// 2-down-1-up settles at 70.7 % right, 3-down-1-up at 79.4 %.
enum class Rule { TwoDown, ThreeDown };

// The interval's own limits, as the training screen's 間隔 box takes them.
constexpr double MinMs = 1;
constexpr double MaxMs = 2147483647;
// Steps on a ratio scale: shorter multiplies, longer divides. Until the
// first wrong answer every right answer shortens by a big step, so a player
// far from the starting interval is reached in a few rounds; then medium
// steps until the second turn, then small ones, which settle closest.
constexpr double FirstStep = 0.7;
constexpr double MidStep = 0.85;
constexpr int MidStepTurns = 2;
constexpr double Step = 0.95;
// The estimate is the mean interval at this many latest turns.
constexpr int TurnsForEstimate = 6;

struct State
{
    double intervalMs = 1000; // on the ratio scale; a round uses it rounded
    int rightRun = 0; // right answers since the last move or wrong answer
    int direction = 0; // of the last move: -1 shorter, +1 longer, 0 none yet
    bool wrongSeen = false;
    int turns = 0; // every turn so far
    QList<double> lastTurns; // the interval at the latest turns, oldest first

    bool operator==(const State &) const = default;
};

// A fresh staircase at an interval, held within the limits.
State start(double intervalMs);
// After a judged round at the state's interval.
State next(State state, bool right, Rule rule);
// The mean interval at the latest six turns; none before six turns.
std::optional<double> estimate(const State &state);
// The interval a round uses: whole milliseconds.
int roundMs(const State &state);
// The share of right answers the rule settles at: 0.5^(1/n).
double targetAccuracy(Rule rule);

// As kept in the extras file; a damaged text reads as none.
QString toText(const State &state);
std::optional<State> fromText(QStringView text);

} // namespace Staircase
