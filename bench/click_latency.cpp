// The click latency child of plumeno_bench: plays training rounds with the
// real sound player into the PulseAudio server named by PULSE_SERVER, records
// that server's null sink through parec (the first argument), and prints how
// long after each number's first paint its click went out.
//   click_latency <parec> <flashes>
#include "BenchHarness.h"
#include "PictureButton.h"
#include "Program.h"
#include "ProgramPaths.h"
#include "SettingsStore.h"
#include "SoundPluginLoader.h"
#include "Stats.h"
#include "TrainingScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>

namespace {

constexpr int Rate = 48000;
constexpr int IntervalMs = 300;
constexpr int Terms = 15;

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Reads the null sink's monitor as it plays, stamping every block with the
// moment it arrived.
class MonitorRecorder
{
public:
    explicit MonitorRecorder(const QString &parec)
        : m_thread([this, parec] { run(parec); })
    {
        while (!m_started)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~MonitorRecorder() { stop(); }

    void stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    bool recording() const { return m_ok; }

    std::vector<qint16> samples;

    // When sample i went through the sink: from the blocks that came in within
    // two seconds of it, the earliest arrival against the samples before it,
    // so that late blocks and slow drift between the clocks do not count.
    double sampleNs(size_t i) const
    {
        const auto from = std::lower_bound(m_blockEnds.begin(), m_blockEnds.end(), i > 2 * Rate ? i - 2 * Rate : 0);
        double zero = 1e300;
        for (auto it = from; it != m_blockEnds.end() && *it <= i + 2 * Rate; ++it)
            zero = std::min(zero, double(m_arrivals[it - m_blockEnds.begin()]) - double(*it) * 1e9 / Rate);
        return zero + double(i) * 1e9 / Rate;
    }

private:
    void run(const QString &parec)
    {
        QProcess p;
        p.start(parec, {QStringLiteral("--device=plumeno_bench.monitor"), QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                        QStringLiteral("--rate=%1").arg(Rate), QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=1")});
        // Ready once the monitor delivers: clicks before that would go unheard.
        m_ok = p.waitForStarted(5000) && p.waitForReadyRead(5000);
        m_started = true;
        QByteArray pending;
        while (m_ok && !m_stop) {
            if (!p.waitForReadyRead(50)) {
                if (p.state() != QProcess::Running)
                    break;
                continue;
            }
            const qint64 at = nowNs();
            pending += p.readAllStandardOutput();
            const qsizetype whole = pending.size() / 2 * 2;
            const auto *s = reinterpret_cast<const qint16 *>(pending.constData());
            samples.insert(samples.end(), s, s + whole / 2);
            pending.remove(0, whole);
            m_arrivals.push_back(at);
            m_blockEnds.push_back(samples.size());
        }
        p.kill();
        p.waitForFinished(1000);
    }

    std::vector<qint64> m_arrivals;
    std::vector<size_t> m_blockEnds; // samples read when each block arrived
    std::atomic<bool> m_stop{false}, m_started{false}, m_ok{false};
    std::thread m_thread;
};

// Stamps the first paint of every new number on the display.
class ShownStamp : public QObject
{
public:
    std::vector<qint64> shownNs;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const QString text = static_cast<QLabel *>(watched)->text();
            if (!text.isEmpty() && text != m_last)
                shownNs.push_back(nowNs());
            m_last = text;
        }
        return false;
    }

private:
    QString m_last;
};

// Where each click starts: the first loud sample after 20 ms of quiet.
std::vector<double> clickOnsetsNs(const MonitorRecorder &rec)
{
    constexpr int Loud = 1000;
    constexpr int Quiet = Rate / 50;
    std::vector<double> onsets;
    int quietFor = Quiet;
    for (size_t i = 0; i < rec.samples.size(); ++i) {
        if (std::abs(int(rec.samples[i])) < Loud) {
            ++quietFor;
            continue;
        }
        if (quietFor >= Quiet)
            onsets.push_back(rec.sampleNs(i));
        quietFor = 0;
    }
    return onsets;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const int flashes = std::max(Terms, QString::fromLocal8Bit(argv[2]).toInt());

    SoundPluginLoader soundPlugin(QCoreApplication::applicationDirPath() + QStringLiteral("/../plugins"));
    BenchHarness harness(&soundPlugin);
    for (const char *name : {"clock", "hit", "miss"}) {
        const QString file = QStringLiteral("SE/%1.wav").arg(QLatin1String(name));
        QDir().mkpath(ProgramPaths::programPath(QStringLiteral("SE")));
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/../") + file, ProgramPaths::programPath(file));
    }
    StoredSettings soundOn = harness.program().settings().values();
    soundOn.soundOff = false;
    harness.program().settings().set(soundOn);

    MonitorRecorder recorder(QString::fromLocal8Bit(argv[1]));
    if (!recorder.recording()) {
        std::printf("  skipped: parec did not start\n");
        return 0;
    }
    TrainingScreen *screen = harness.program().openTrainingScreen();
    screen->m_digitsBox->setEditText(QStringLiteral("3"));
    screen->m_termsBox->setEditText(QString::number(Terms));
    screen->m_intervalBox->setEditText(QString::number(IntervalMs / 1000.0, 'f', 3));
    ShownStamp stamp;
    screen->m_numberLabel->installEventFilter(&stamp);

    QEventLoop loop;
    std::vector<qint64> startNs; // when each round's START was pressed
    const auto start = [screen, &startNs] {
        startNs.push_back(nowNs());
        screen->m_startButton->click();
    };
    int roundsLeft = (flashes + Terms - 1) / Terms;
    harness.answer = [&](const QString &) { return QString::number(screen->m_roundSum); };
    harness.onMessage = [&](const QString &) {
        // After the verdict's own sound has died away, the next round.
        if (--roundsLeft > 0)
            QTimer::singleShot(400, qApp, start);
        else
            QTimer::singleShot(400, &loop, &QEventLoop::quit);
    };
    QTimer::singleShot(200, qApp, start);
    loop.exec();
    recorder.stop();

    // Each shown number takes the first click that starts after it less
    // than one interval later; a click that went out before the paint (the
    // sound starts just before the number is set) counts from 50 ms before.
    const std::vector<double> onsets = clickOnsetsNs(recorder);
    std::vector<double> latencyMs;
    std::optional<double> firstMs;
    int silentBefore = 0, silentAfter = 0;
    for (size_t k = 0; k < stamp.shownNs.size(); ++k) {
        const double shown = double(stamp.shownNs[k]);
        const auto it = std::lower_bound(onsets.begin(), onsets.end(), shown - 50e6);
        const bool heard = it != onsets.end() && *it <= shown + IntervalMs * 0.8e6;
        const double ms = heard ? (*it - shown) / 1e6 : 0;
        if (qEnvironmentVariableIsSet("PLUMENO_BENCH_DEBUG"))
            std::printf("  number %zu: %s\n", k, heard ? qPrintable(QString::number(ms, 'f', 1) + QStringLiteral(" ms")) : "silent");
        if (!heard)
            ++(firstMs ? silentAfter : silentBefore);
        else if (!firstMs)
            firstMs = ms;
        else
            latencyMs.push_back(ms);
    }
    // The figures are of how far off a click was, early or late: the sound
    // starts just before its number is set, so it may well go out first.
    const Stats s = Stats::of(latencyMs);
    const auto [lo, hi] = std::minmax_element(latencyMs.begin(), latencyMs.end());
    std::printf("  %zu numbers shown at %d ms, %d without a click (%d of them before the first click heard)\n", stamp.shownNs.size(),
                IntervalMs, silentBefore + silentAfter, silentBefore);
    if (firstMs)
        std::printf("  first click of the run: %.1f ms late\n", *firstMs);
    // The game screen made its sound ready as it opened, so the first number
    // of the run should be no later than the first numbers of later rounds.
    std::vector<double> firstShownMs;
    for (size_t r = 0; r < startNs.size() && r * Terms < stamp.shownNs.size(); ++r)
        firstShownMs.push_back(double(stamp.shownNs[r * Terms] - startNs[r]) / 1e6 - IntervalMs);
    if (firstShownMs.size() > 1) {
        const Stats others = Stats::of(std::vector<double>(firstShownMs.begin() + 1, firstShownMs.end()));
        std::printf("  first number of a round, shown after START + one interval: %.1f ms late in the first round,"
                    " median %.1f ms in the others\n",
                    firstShownMs[0], others.median);
    }
    if (!latencyMs.empty())
        std::printf("  later clicks, |late|: median %.1f ms  p99 %.1f ms  (from %.1f to %.1f ms, n=%zu; one display frame is 16.7 ms)\n",
                    s.median, s.p99, *lo, *hi, s.count);
    return 0;
}
