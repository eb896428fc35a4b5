#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// The round timer of the game screens. Every tick is timed from the moment
// the timer started (tick k at start + k x interval), not from the tick
// before, so a late tick does not push the rest of the round back.
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

    // When tick k is due, in nanoseconds after start.
    static qint64 idealOffsetNs(qint64 tick, int intervalMs) { return tick * qint64(intervalMs) * 1000000; }

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
    bool m_active = false;
};
