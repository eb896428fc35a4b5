#include "StartupMemory.h"

#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

StartupFigures measureStartup(const QString &program, const QStringList &arguments, int runs)
{
    std::vector<double> ms, kb;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer clock;
        clock.start();
        child.start(program, arguments);
        if (!child.waitForStarted(10000))
            break;
        QByteArray line;
        while (!line.contains('\n') && child.waitForReadyRead(10000))
            line += child.readAllStandardOutput();
        const double elapsed = clock.nsecsElapsed() / 1e6;
        child.waitForFinished(10000);
        const QList<QByteArray> words = line.trimmed().split(' ');
        if (words.size() == 2 && words[0] == "painted") {
            ms.push_back(elapsed);
            kb.push_back(words[1].toDouble());
        }
    }
    return {median(ms), median(kb)};
}
