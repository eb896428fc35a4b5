#include "FlashTiming.h"

#include "BenchHarness.h"
#include "ChallengeScreen.h"
#include "FlashRules.h"
#include "PictureButton.h"
#include "Program.h"
#include "RoundTimer.h"
#include "TrainingScreen.h"
#include "WavePlayerFactory.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

namespace {

// For comparison: a screen's rounds ticked by a plain repeating QTimer with
// Qt's default (coarse) timing, the way most timers are written, in place of
// the round timer's own schedule.
class PlainTicker : public QObject
{
public:
    PlainTicker(GameScreen *screen, Scheduler scheduler)
        : m_screen(screen)
        , m_on(scheduler == Scheduler::PlainQtTimer)
    {
        m_timer.setTimerType(Qt::CoarseTimer);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            // Stopped before the last tick, which opens the answer dialog.
            if (FlashRules::tickKind(m_screen->m_tickCount + 1, m_screen->m_terms) == FlashRules::TickKind::Final)
                m_timer.stop();
            emit m_screen->m_roundTimer->timeout();
        });
    }
    // Takes over from the round timer the screen has just started.
    void roundStarted()
    {
        if (!m_on)
            return;
        m_screen->m_roundTimer->stop();
        m_timer.start(m_screen->m_roundTimer->interval());
    }

private:
    GameScreen *m_screen;
    bool m_on;
    QTimer m_timer;
};

// Stamps the first paint of a number display after each new number.
class PaintStamp : public QObject
{
public:
    bool waiting = false;
    std::function<void(qint64)> painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && waiting) {
            waiting = false;
            painted(benchNowNs());
        }
        return false;
    }
};

// Watches one screen's rounds. The clock sound is started on each flash
// tick right before its number is set, so its start marks the moment the
// number goes up; the paint that follows is stamped by the label. The watch
// is the screen's sound while it lasts: no audio device is touched.
class RoundWatch : public WavePlayerFactory
{
public:
    RoundWatch(GameScreen *screen, int intervalMs, FlashTimes &times)
        : m_screen(screen)
        , m_display(screen->m_numberLabel)
        , m_intervalMs(intervalMs)
        , m_times(times)
    {
        m_stamp.painted = [this](qint64 ns) { m_times.paintErrorMs.push_back(errorMs(ns, m_flashes)); };
        m_display->installEventFilter(&m_stamp);
        m_screen->setSoundSource(this);
    }

    ~RoundWatch() override
    {
        m_screen->setSoundSource(nullptr);
        m_display->removeEventFilter(&m_stamp);
    }

    std::unique_ptr<WavePlayer> createPlayer() override
    {
        struct Player : WavePlayer
        {
            RoundWatch *watch;
            explicit Player(RoundWatch *w)
                : watch(w)
            {}
            void play(const QString &fileName) override
            {
                if (fileName.endsWith(u"clock.wav"))
                    watch->clockStarted();
            }
            void stop() override {}
        };
        return std::make_unique<Player>(this);
    }

    void clockStarted()
    {
        m_lastSetNs = benchNowNs();
        ++m_flashes;
        m_times.setErrorMs.push_back(errorMs(m_lastSetNs, m_flashes));
        m_stamp.waiting = true;
    }

    void roundStarts()
    {
        m_flashes = 0;
        m_startNs = benchNowNs();
    }

    void roundEnds()
    {
        if (m_flashes > 0)
            m_times.lastFlashErrorMs.push_back(errorMs(m_lastSetNs, m_flashes));
    }

    int flashesSoFar() const { return int(m_times.setErrorMs.size()); }

private:
    double errorMs(qint64 ns, int flash) const { return (double(ns - m_startNs) - double(flash) * m_intervalMs * 1e6) / 1e6; }

    GameScreen *m_screen;
    QLabel *m_display;
    int m_intervalMs;
    FlashTimes &m_times;
    PaintStamp m_stamp;
    qint64 m_startNs = 0;
    qint64 m_lastSetNs = 0;
    int m_flashes = 0;
};

} // namespace

FlashTimes measureTrainingRounds(int intervalMs, int rounds, int terms, Scheduler scheduler)
{
    BenchHarness harness;
    FlashTimes times;
    TrainingScreen *screen = harness.program().openTrainingScreen();
    PlainTicker plain(screen, scheduler);
    screen->m_digitsBox->setEditText(QStringLiteral("3"));
    screen->m_termsBox->setEditText(QString::number(terms));
    screen->m_intervalBox->setEditText(QString::number(intervalMs / 1000.0, 'f', 3));
    RoundWatch watch(screen, intervalMs, times);

    QEventLoop loop;
    int roundsLeft = rounds;
    const std::function<void()> startRound = [&] {
        watch.roundStarts();
        screen->m_startButton->click();
        plain.roundStarted();
    };
    harness.answer = [&](const QString &) { return QString::number(screen->m_roundSum); };
    harness.onMessage = [&](const QString &) {
        watch.roundEnds(); // the verdict: this round is over
        if (--roundsLeft > 0)
            QTimer::singleShot(50, qApp, startRound);
        else
            QTimer::singleShot(0, &loop, &QEventLoop::quit);
    };
    QTimer::singleShot(0, qApp, startRound);
    loop.exec();
    return times;
}

FlashTimes measureChallengeRounds(int intervalMs, int flashes, Scheduler scheduler)
{
    BenchHarness harness;
    FlashTimes times;
    ChallengeScreen *screen = harness.program().openChallengeScreen();
    PlainTicker plain(screen, scheduler);
    RoundWatch watch(screen, intervalMs, times);

    QEventLoop loop;
    const std::function<void()> startRound = [&] {
        screen->m_roundTimer->setInterval(intervalMs);
        watch.roundStarts();
        (screen->m_startButton->isVisible() ? screen->m_startButton : screen->m_nextButton)->click();
        plain.roundStarted();
    };
    harness.answer = [&](const QString &) { return QString::number(screen->m_roundSum); };
    harness.onMessage = [&](const QString &text) {
        if (text != u"正解!!")
            return; // the end-of-game messages after level 155
        watch.roundEnds();
        if (watch.flashesSoFar() < flashes)
            QTimer::singleShot(50, qApp, startRound);
        else
            QTimer::singleShot(0, &loop, &QEventLoop::quit);
    };
    QTimer::singleShot(0, qApp, startRound);
    loop.exec();
    return times;
}
