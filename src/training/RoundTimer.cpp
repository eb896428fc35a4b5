#include "RoundTimer.h"

#include <cmath>
#include <limits>

RoundTimer::RoundTimer(const QString &objectName, QObject *parent)
    : QObject(parent)
{
    setObjectName(objectName);
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
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

void RoundTimer::arm()
{
    const qint64 nowNs = m_clock.nsecsElapsed();
    qint64 dueNs = m_originNs + idealOffsetNs(m_ticks + 1, m_intervalMs);
    // A machine that stalled for more than a whole interval does not get a
    // burst of catch-up ticks: the schedule starts again from now.
    if (nowNs - dueNs > idealOffsetNs(1, m_intervalMs)) {
        dueNs = nowNs + idealOffsetNs(1, m_intervalMs);
        m_originNs = dueNs - idealOffsetNs(m_ticks + 1, m_intervalMs);
    }
    const qint64 delayMs = std::max<qint64>(0, std::llround(double(dueNs - nowNs) / 1e6));
    m_timer.start(int(std::min<qint64>(delayMs, std::numeric_limits<int>::max())));
}

void RoundTimer::fire()
{
    if (!m_active)
        return;
    ++m_ticks;
    const qint64 ticksBefore = m_ticks;
    emit timeout();
    // The handler may have stopped the timer, or stopped and started it again.
    if (m_active && m_ticks == ticksBefore && !m_timer.isActive())
        arm();
}
