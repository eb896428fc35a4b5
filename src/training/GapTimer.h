#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Takes a flashed number down part way through its interval, as precisely
// as the round timer puts it up: a precise Qt timer wakes a little before
// the moment and the last fraction of a millisecond is waited out here.
class GapTimer : public QObject
{
    Q_OBJECT
public:
    explicit GapTimer(QObject *parent = nullptr);

    // Fires once, `delayNs` after now; a pending one is replaced. The timer
    // wakes at most `wakeEarlyNs` before the moment, like the round timer,
    // so that it never wakes after the round timer's next tick.
    void start(qint64 delayNs, qint64 wakeEarlyNs);
    void stop();
    bool isActive() const { return m_active; }

signals:
    void timeout();

private:
    void arm(qint64 nowNs);
    void fire();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_dueNs = 0;
    qint64 m_wakeEarlyNs = 0;
    bool m_active = false;
};
