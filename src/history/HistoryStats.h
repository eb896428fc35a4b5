#pragma once

#include "HistoryRecord.h"

#include <QDate>
#include <vector>

// What the history window shows, worked out from the records.
namespace HistoryStats {

// A training setting as the chart groups rounds: digits x terms x interval,
// or digits x terms with the automatic speed (its interval then 0: it is
// the staircase's, different from round to round).
struct Setting
{
    int digits = 0;
    int terms = 0;
    int intervalMs = 0;
    int rounds = 0;
    bool adaptive = false;
    bool operator==(const Setting &o) const
    {
        return digits == o.digits && terms == o.terms && intervalMs == o.intervalMs && adaptive == o.adaptive;
    }
};

// The settings trained, most rounds first (replays not counted).
std::vector<Setting> settings(const std::vector<HistoryRecord> &records);

struct Day
{
    QDate date;
    int rounds = 0;
    int right = 0;
    double meanAnswerMs = 0;
    // The automatic speed: the pace estimate at the end of the day, as the
    // player saw it (the mean interval at the latest six turns of the
    // intervals recorded so far); 0 before six turns.
    double paceMs = 0;
    double accuracyPercent() const { return rounds ? 100.0 * right / rounds : 0; }
};

// One entry per day with rounds of that setting, oldest first. Replays of
// a round already seen are left out: they would flatter the accuracy.
std::vector<Day> byDay(const std::vector<HistoryRecord> &records, const Setting &setting);

} // namespace HistoryStats
