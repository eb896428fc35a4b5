#include "StartupMemory.h"

#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds to the painted line and the peak resident kB it reports.
std::optional<std::pair<double, double>> runOnce(const StartupProgram &p)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    child.start(p.program, p.arguments);
    if (!child.waitForStarted(10000))
        return std::nullopt;
    QByteArray line;
    while (!line.contains('\n') && child.waitForReadyRead(10000))
        line += child.readAllStandardOutput();
    const double elapsed = clock.nsecsElapsed() / 1e6;
    child.waitForFinished(10000);
    const QList<QByteArray> words = line.trimmed().split(' ');
    if (words.size() != 2 || words[0] != "painted")
        return std::nullopt;
    return std::make_pair(elapsed, words[1].toDouble());
}

} // namespace

QList<StartupFigures> measureStartup(const QList<StartupProgram> &programs, int runs)
{
    std::vector<std::vector<double>> ms(programs.size()), kb(programs.size());
    for (int round = -1; round < runs; ++round) {
        for (qsizetype i = 0; i < programs.size(); ++i) {
            const auto figures = runOnce(programs[i]);
            if (figures && round >= 0) {
                ms[i].push_back(figures->first);
                kb[i].push_back(figures->second);
            }
        }
    }
    QList<StartupFigures> result;
    for (qsizetype i = 0; i < programs.size(); ++i)
        result.append({median(ms[i]), median(kb[i])});
    return result;
}
