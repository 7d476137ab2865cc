#include "app/SecondTimer.h"

#include "app/Clock.h"
#include "app/TickSchedule.h"

SecondTimer::SecondTimer(const Clock& clock, QObject* parent) : QObject(parent), m_clock(clock)
{
    // A coarse timer may fire up to 5% late; the face is to change within milliseconds.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SecondTimer::fire);
}

void SecondTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (enabled)
        aim();
    else
        m_timer.stop();
}

void SecondTimer::aim()
{
    m_timer.start(TickSchedule::msUntilNextTick(m_clock.msecsSinceEpoch()));
}

void SecondTimer::fire()
{
    emit Timer();
    // A handler may have disabled the timer.
    if (m_enabled)
        aim();
}
