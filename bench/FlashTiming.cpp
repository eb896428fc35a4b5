#include "FlashTiming.h"

#include "BenchHarness.h"
#include "ChallengeScreen.h"
#include "PictureButton.h"
#include "RoundTimer.h"
#include "WavePlayerFactory.h"
#include "TrainingScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

namespace {

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
            explicit Player(RoundWatch *w) : watch(w) {}
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
    double errorMs(qint64 ns, int flash) const
    {
        return (double(ns - m_startNs) - double(flash) * m_intervalMs * 1e6) / 1e6;
    }

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
    TrainingScreen *form = TrainingScreen::instance();
    form->show();
    form->m_roundTimer->setPlainQtTimerForComparison(scheduler == Scheduler::PlainQtTimer);
    form->m_digitsBox->setEditText(QStringLiteral("3"));
    form->m_termsBox->setEditText(QString::number(terms));
    form->m_intervalBox->setEditText(QString::number(intervalMs / 1000.0, 'f', 3));
    RoundWatch watch(form, intervalMs, times);

    QEventLoop loop;
    int roundsLeft = rounds;
    const std::function<void()> startRound = [&] {
        watch.roundStarts();
        form->m_startButton->click();
    };
    harness.answer = [&](const QString &) { return QString::number(form->m_roundSum); };
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
    ChallengeScreen *form = ChallengeScreen::instance();
    form->show();
    form->m_roundTimer->setPlainQtTimerForComparison(scheduler == Scheduler::PlainQtTimer);
    RoundWatch watch(form, intervalMs, times);

    QEventLoop loop;
    const std::function<void()> startRound = [&] {
        form->m_roundTimer->setInterval(intervalMs);
        watch.roundStarts();
        (form->m_startButton->isVisible() ? form->m_startButton : form->m_nextButton)->click();
    };
    harness.answer = [&](const QString &) { return QString::number(form->m_roundSum); };
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
