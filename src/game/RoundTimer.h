#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// The round timer of the game screens. Every tick is timed from the moment
// the timer started (tick k at start + k x interval), not from the tick
// before, so a late tick does not push the rest of the round back.
//
// Qt timers count whole milliseconds and may wake a little late, so the
// timer wakes slightly before a tick is due and waits out the last
// fraction of a millisecond itself: flashes land within a fraction of a
// millisecond of their ideal time.
class RoundTimer : public QObject
{
    Q_OBJECT
public:
    explicit RoundTimer(const QString &objectName, QObject *parent = nullptr);

    void setInterval(int ms);
    int interval() const { return m_intervalMs; }
    void start();
    void stop();
    bool isActive() const { return m_active; }
    // How long ago the tick being handled was due, in nanoseconds.
    qint64 sinceDueNs() const { return m_clock.nsecsElapsed() - m_dueNs; }

    // When tick k is due, in nanoseconds after start.
    static constexpr qint64 idealOffsetNs(qint64 tick, int intervalMs) { return tick * qint64(intervalMs) * 1000000; }

    // When the next tick is due, after `ticksDone` ticks of a schedule that
    // began at `originNs`; a schedule more than a whole interval behind is
    // moved to start again from `nowNs`.
    struct Due
    {
        qint64 originNs;
        qint64 dueNs;
    };
    static Due nextDue(qint64 originNs, qint64 ticksDone, int intervalMs, qint64 nowNs);

    // How long before a tick is due the timer wakes up, at most.
    static constexpr qint64 WakeEarlyNs = 5000000;

signals:
    void timeout();

private:
    void arm();
    void fire();

    QTimer m_timer;
    QElapsedTimer m_clock;
    int m_intervalMs = 0;
    qint64 m_ticks = 0;
    qint64 m_originNs = 0;
    qint64 m_dueNs = 0;
    bool m_active = false;
};
