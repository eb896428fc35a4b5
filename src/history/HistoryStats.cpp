#include "HistoryStats.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace HistoryStats {

namespace {

bool counts(const HistoryRecord &r)
{
    return r.mode == HistoryRecord::Mode::Training && !r.replay;
}

} // namespace

std::vector<Setting> settings(const std::vector<HistoryRecord> &records)
{
    std::map<std::tuple<int, int, int>, int> rounds;
    for (const HistoryRecord &r : records)
        if (counts(r))
            ++rounds[{r.digits, r.terms, r.intervalMs}];
    std::vector<Setting> out;
    for (const auto &[key, n] : rounds)
        out.push_back({std::get<0>(key), std::get<1>(key), std::get<2>(key), n});
    std::stable_sort(out.begin(), out.end(), [](const Setting &a, const Setting &b) { return a.rounds > b.rounds; });
    return out;
}

std::vector<Day> byDay(const std::vector<HistoryRecord> &records, const Setting &setting)
{
    std::map<qint64, Day> days;
    std::map<qint64, double> answerSum;
    for (const HistoryRecord &r : records) {
        if (!counts(r) || r.digits != setting.digits || r.terms != setting.terms || r.intervalMs != setting.intervalMs)
            continue;
        Day &d = days[r.date.toJulianDay()];
        d.date = r.date;
        ++d.rounds;
        d.right += r.result == HistoryRecord::Result::Right ? 1 : 0;
        answerSum[r.date.toJulianDay()] += double(r.answerMs);
    }
    std::vector<Day> out;
    for (auto &[jd, d] : days) {
        d.meanAnswerMs = answerSum[jd] / d.rounds;
        out.push_back(d);
    }
    return out;
}

} // namespace HistoryStats
