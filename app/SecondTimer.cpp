#include "app/SecondTimer.h"

#include "app/Clock.h"
#include "app/TickSchedule.h"
#include "app/WallClockTimer.h"

SecondTimer::SecondTimer(const Clock& clock, QObject* parent)
    : QObject(parent), m_clock(clock), m_wallClock(WallClockTimer::create(clock, this))
{
    // A coarse timer may fire up to 5% late; the face is to change within milliseconds.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SecondTimer::fire);
    if (m_wallClock)
        connect(m_wallClock, &WallClockTimer::due, this, &SecondTimer::fire);
}

void SecondTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (enabled)
        aim();
    else if (m_wallClock)
        m_wallClock->stop();
    else
        m_timer.stop();
}

void SecondTimer::aim()
{
    if (m_wallClock && m_wallClock->aim())
        return;
    if (m_wallClock) {
        // Refused: the clock must tick all the same. Perhaps inside its own signal, so not at once.
        m_wallClock->deleteLater();
        m_wallClock = nullptr;
    }
    m_timer.start(TickSchedule::msUntilNextTick(m_clock.msecsSinceEpoch()));
}

void SecondTimer::fire()
{
    emit Timer();
    // A handler may have disabled the timer.
    if (m_enabled)
        aim();
}
