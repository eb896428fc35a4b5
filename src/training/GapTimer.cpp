#include "GapTimer.h"

#include <algorithm>

GapTimer::GapTimer(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("gapTimer"));
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    m_clock.start();
    connect(&m_timer, &QTimer::timeout, this, &GapTimer::fire);
}

void GapTimer::start(qint64 delayNs, qint64 wakeEarlyNs)
{
    const qint64 now = m_clock.nsecsElapsed();
    m_dueNs = now + std::max<qint64>(0, delayNs);
    m_wakeEarlyNs = std::max<qint64>(0, wakeEarlyNs);
    m_active = true;
    arm(now);
}

void GapTimer::arm(qint64 nowNs)
{
    const qint64 wakeMs = std::max<qint64>(0, (m_dueNs - m_wakeEarlyNs - nowNs) / 1000000);
    // A very long wait is taken in steps that fit the timer.
    m_timer.start(int(std::min<qint64>(wakeMs, 1 << 30)));
}

void GapTimer::stop()
{
    m_active = false;
    m_timer.stop();
}

void GapTimer::fire()
{
    if (!m_active)
        return;
    if (m_dueNs - m_clock.nsecsElapsed() > m_wakeEarlyNs + 1000000) {
        arm(m_clock.nsecsElapsed());
        return;
    }
    // Wait out the last fraction before the moment; a few milliseconds at most.
    while (m_clock.nsecsElapsed() < m_dueNs) {
    }
    m_active = false;
    emit timeout();
}
