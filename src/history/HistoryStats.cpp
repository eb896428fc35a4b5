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

bool belongs(const HistoryRecord &r, const Setting &s)
{
    return counts(r) && r.digits == s.digits && r.terms == s.terms && r.adaptive == s.adaptive
           && (s.adaptive || r.intervalMs == s.intervalMs);
}

// The pace line's estimate is the mean interval at the latest six turns
// (the training screen's Staircase::TurnsForEstimate, a layer above this
// one); the chart shows the same figure.
constexpr std::size_t TurnsForPace = 6;

// The turns of the staircase, read back from the intervals it gave: where
// the interval, having moved one way, moves the other, the interval before
// the move is a turn.
class TurnReader
{
public:
    void add(int intervalMs)
    {
        if (m_last > 0 && intervalMs != m_last) {
            const int direction = intervalMs < m_last ? -1 : 1;
            if (m_direction != 0 && direction != m_direction) {
                m_turns.push_back(m_last);
                if (m_turns.size() > TurnsForPace)
                    m_turns.erase(m_turns.begin());
            }
            m_direction = direction;
        }
        m_last = intervalMs;
    }
    double pace() const
    {
        if (m_turns.size() < TurnsForPace)
            return 0;
        double sum = 0;
        for (int t : m_turns)
            sum += t;
        return sum / double(m_turns.size());
    }

private:
    int m_last = 0;
    int m_direction = 0;
    std::vector<int> m_turns;
};

} // namespace

std::vector<Setting> settings(const std::vector<HistoryRecord> &records)
{
    std::map<std::tuple<int, int, int>, int> rounds; // the automatic speed's under interval 0
    for (const HistoryRecord &r : records)
        if (counts(r))
            ++rounds[{r.digits, r.terms, r.adaptive ? 0 : r.intervalMs}];
    std::vector<Setting> out;
    for (const auto &[key, n] : rounds)
        out.push_back({std::get<0>(key), std::get<1>(key), std::get<2>(key), n, std::get<2>(key) == 0});
    std::stable_sort(out.begin(), out.end(), [](const Setting &a, const Setting &b) { return a.rounds > b.rounds; });
    return out;
}

std::vector<Day> byDay(const std::vector<HistoryRecord> &records, const Setting &setting)
{
    std::map<qint64, Day> days;
    std::map<qint64, double> answerSum;
    TurnReader turns;
    for (const HistoryRecord &r : records) {
        if (!belongs(r, setting))
            continue;
        Day &d = days[r.date.toJulianDay()];
        d.date = r.date;
        ++d.rounds;
        d.right += r.result == HistoryRecord::Result::Right ? 1 : 0;
        answerSum[r.date.toJulianDay()] += double(r.answerMs);
        if (setting.adaptive) {
            turns.add(r.intervalMs);
            d.paceMs = turns.pace();
        }
    }
    std::vector<Day> out;
    for (auto &[jd, d] : days) {
        d.meanAnswerMs = answerSum[jd] / d.rounds;
        out.push_back(d);
    }
    return out;
}

} // namespace HistoryStats
