#include "RoundTimer.h"

#include <algorithm>
#include <limits>

RoundTimer::RoundTimer(const QString &objectName, QObject *parent)
    : QObject(parent)
{
    setObjectName(objectName);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RoundTimer::fire);
}

void RoundTimer::setInterval(int ms)
{
    m_intervalMs = ms;
}

void RoundTimer::start()
{
    if (m_intervalMs <= 0)
        return;
    m_active = true;
    m_ticks = 0;
    m_originNs = 0;
    m_clock.start();
    arm();
}

void RoundTimer::stop()
{
    m_active = false;
    m_timer.stop();
}

RoundTimer::Due RoundTimer::nextDue(qint64 originNs, qint64 ticksDone, int intervalMs, qint64 nowNs)
{
    const qint64 intervalNs = idealOffsetNs(1, intervalMs);
    qint64 dueNs = originNs + idealOffsetNs(ticksDone + 1, intervalMs);
    // A machine that stalled for more than a whole interval gets no burst of
    // catch-up ticks.
    if (nowNs - dueNs > intervalNs) {
        dueNs = nowNs + intervalNs;
        originNs = dueNs - idealOffsetNs(ticksDone + 1, intervalMs);
    }
    return {originNs, dueNs};
}

void RoundTimer::arm()
{
    const qint64 nowNs = m_clock.nsecsElapsed();
    const Due next = nextDue(m_originNs, m_ticks, m_intervalMs, nowNs);
    m_originNs = next.originNs;
    m_dueNs = next.dueNs;
    const qint64 wakeNs = m_dueNs - std::min(WakeEarlyNs, idealOffsetNs(1, m_intervalMs) / 2);
    const qint64 delayMs = std::max<qint64>(0, (wakeNs - nowNs) / 1000000);
    m_timer.start(int(std::min<qint64>(delayMs, std::numeric_limits<int>::max())));
}

void RoundTimer::fire()
{
    if (!m_active)
        return;
    // Wait out the last fraction before the tick is due. This holds the
    // event loop for a few milliseconds at most, once per tick.
    while (m_clock.nsecsElapsed() < m_dueNs) {
    }
    ++m_ticks;
    const qint64 ticksBefore = m_ticks;
    emit timeout();
    // The handler may have stopped the timer, or stopped and started it again.
    if (m_active && m_ticks == ticksBefore && !m_timer.isActive())
        arm();
}
