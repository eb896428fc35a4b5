#include "ExtrasBench.h"

#include "BenchHarness.h"
#include "HistoryFile.h"
#include "HistoryWindow.h"
#include "PictureButton.h"
#include "Program.h"
#include "RoundPlan.h"
#include "Stats.h"
#include "TrainingExtras.h"
#include "TrainingScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <ctime>
#include <vector>

namespace {

// Stamps every paint of the number display that shows a new text: a number
// going up, or the display going blank.
class DisplayStamp : public QObject
{
public:
    explicit DisplayStamp(QLabel *label)
        : m_label(label)
    {
        label->installEventFilter(this);
    }
    ~DisplayStamp() override { m_label->removeEventFilter(this); }
    std::function<void(bool blank, qint64 ns)> changed;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_label->text() != m_last) {
            m_last = m_label->text();
            changed(m_last.isEmpty(), benchNowNs());
        }
        return false;
    }

private:
    QLabel *m_label;
    QString m_last;
};

// CPU time of this thread: what the work itself costs on a machine that is
// busy with other things.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct GapTimes
{
    std::vector<double> flashPaintMs; // against START + k x interval
    std::vector<double> gapPaintMs; // against START + k x interval + the shown share
};

GapTimes measureGaps(int intervalMs, int flashPercent, int rounds, int terms)
{
    BenchHarness harness;
    TrainingExtras extras;
    extras.flashPercent = flashPercent;
    extras.save();
    GapTimes times;
    TrainingScreen *screen = harness.program().openTrainingScreen();
    screen->m_digitsBox->setEditText(QStringLiteral("3"));
    screen->m_termsBox->setEditText(QString::number(terms));
    screen->m_intervalBox->setEditText(QString::number(intervalMs / 1000.0, 'f', 3));
    const double onsetMs = double(RoundPlan::gapOnsetNs(intervalMs, flashPercent).value_or(0)) / 1e6;

    qint64 startNs = 0;
    int flashes = 0;
    DisplayStamp stamp(screen->m_numberLabel);
    stamp.changed = [&](bool blank, qint64 ns) {
        const double sinceStartMs = double(ns - startNs) / 1e6;
        if (!blank) {
            ++flashes;
            times.flashPaintMs.push_back(sinceStartMs - flashes * double(intervalMs));
        } else if (flashes > 0 && flashes <= terms) {
            times.gapPaintMs.push_back(sinceStartMs - flashes * double(intervalMs) - onsetMs);
        }
    };

    QEventLoop loop;
    int roundsLeft = rounds;
    const std::function<void()> startRound = [&] {
        flashes = 0;
        startNs = benchNowNs();
        screen->m_startButton->click();
    };
    harness.answer = [&](const QString &) { return QString::number(screen->m_roundSum); };
    harness.onMessage = [&](const QString &) {
        flashes = terms + 1; // the blank of the round's end is no gap
        if (--roundsLeft > 0)
            QTimer::singleShot(50, qApp, startRound);
        else
            QTimer::singleShot(0, &loop, &QEventLoop::quit);
    };
    QTimer::singleShot(0, qApp, startRound);
    loop.exec();
    screen->close();
    return times;
}

void printHistoryLoad(QTextStream &out, int rounds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(HistoryFile::fileName());
    QByteArray bytes = HistoryFile::header();
    HistoryRecord r;
    for (int i = 0; i < rounds; ++i) {
        r.date = QDate(2020, 1, 1).addDays(i / 60);
        r.time = QTime(8, 0).addSecs(i % 60 * 30);
        r.digits = 1 + i % 5;
        r.terms = 1 + i % 15;
        r.intervalMs = 100 * (1 + i % 20);
        r.flashPercent = i % 3 ? 100 : 80;
        r.minusPercent = i % 4 ? 0 : 20;
        r.result = i % 7 ? HistoryRecord::Result::Right : HistoryRecord::Result::Wrong;
        r.answerMs = 1500 + i % 3000;
        bytes += HistoryFile::line(r);
    }
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return;
    f.close();

    struct Cost
    {
        double wallMs;
        double cpuMs;
    };
    QElapsedTimer clock;
    const auto measure = [&](const std::function<void()> &work) {
        const double cpu = threadCpuMs();
        clock.restart();
        work();
        return Cost{double(clock.nsecsElapsed()) / 1e6, threadCpuMs() - cpu};
    };
    size_t records = 0;
    const Cost read = measure([&] { records = HistoryFile::read(path).records.size(); });
    // The window opens from the extras dialog; opened twice, the second
    // time shows what is left once fonts and styles are loaded.
    const auto open = [&] {
        HistoryWindow window(path);
        window.show();
        QCoreApplication::processEvents();
    };
    const Cost first = measure(open);
    const Cost again = measure(open);
    const auto cost = [](const Cost &c) { return QStringLiteral("%1 ms (CPU %2 ms)").arg(c.wallMs, 0, 'f', 1).arg(c.cpuMs, 0, 'f', 1); };
    out << QStringLiteral("  history of %1 rounds (%2 MB): read %3\n")
               .arg(records)
               .arg(double(bytes.size()) / 1e6, 0, 'f', 1)
               .arg(cost(read));
    out << QStringLiteral("    history window read, built and painted: first %1, again %2\n").arg(cost(first), cost(again));
}

} // namespace

void runExtrasBench(bool quick, QTextStream &out)
{
    out << "\nTraining extras\n";
    // A quick run keeps to a few seconds: one share, two rounds.
    const int rounds = quick ? 2 : 6;
    const std::vector<int> shares = quick ? std::vector<int>{50} : std::vector<int>{50, 80};
    for (int percent : shares) {
        const GapTimes t = measureGaps(100, percent, rounds, 15);
        out << QStringLiteral("  gap after %1 % of 100 ms, %2 rounds of 15: gap onset painted  %3\n")
                   .arg(percent)
                   .arg(rounds)
                   .arg(Stats::of(t.gapPaintMs).format());
        out << QStringLiteral("                                        number onset painted  %1\n").arg(Stats::of(t.flashPaintMs).format());
        out.flush();
    }
    printHistoryLoad(out, 100000);
    out.flush();
}
