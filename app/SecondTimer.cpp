#include "app/SecondTimer.h"

#include "app/Clock.h"
#include "app/TickSchedule.h"

#if defined(Q_OS_LINUX)
#include <QSocketNotifier>
#include <cerrno>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

constexpr qint64 nsPerSecond = 1'000'000'000;

qint64 nsOf(clockid_t id)
{
    timespec ts{};
    clock_gettime(id, &ts);
    return qint64(ts.tv_sec) * nsPerSecond + ts.tv_nsec;
}

qint64 floorSecond(qint64 ns)
{
    return ns >= 0 ? ns / nsPerSecond : -((-ns + nsPerSecond - 1) / nsPerSecond);
}

} // namespace

SecondTimer::SecondTimer(const Clock& clock, QObject* parent) : QObject(parent), m_clock(clock)
{
    m_fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    m_notifier->setEnabled(false);
    connect(m_notifier, &QSocketNotifier::activated, this, &SecondTimer::wake);
}

SecondTimer::~SecondTimer()
{
    delete m_notifier;
    if (m_fd >= 0)
        close(m_fd);
}

void SecondTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    m_notifier->setEnabled(enabled);
    if (enabled) {
        aim();
    } else {
        const itimerspec off{};
        timerfd_settime(m_fd, 0, &off, nullptr);
    }
}

void SecondTimer::arm(qint64 ns, bool absolute)
{
    itimerspec when{};
    when.it_value.tv_sec = time_t(ns / nsPerSecond);
    when.it_value.tv_nsec = long(ns % nsPerSecond);
    const int flags = absolute ? TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET : 0;
    timerfd_settime(m_fd, flags, &when, nullptr);
}

void SecondTimer::aim()
{
    // The injected clock says how far off its next second is and the kernel's wall clock carries
    // the deadline, so a test clock set to any day ticks at its own seconds, and libfaketime moves
    // the deadline into real time. For the system clock the two readings are one clock: the
    // deadline is the boundary itself (read in this order, never before it).
    const qint64 delay = TickSchedule::nsUntilNextSecond(m_clock.nsecsSinceEpoch());
    arm(nsOf(CLOCK_REALTIME) + delay, true);
}

void SecondTimer::wake()
{
    quint64 expiries = 0;
    // ECANCELED: the wall clock was set, so whatever it reads now is news.
    const bool clockSet = read(m_fd, &expiries, sizeof expiries) < 0 && errno == ECANCELED;
    if (!clockSet && expiries == 0)
        return;
    const qint64 now = m_clock.nsecsSinceEpoch();
    const qint64 mono = nsOf(CLOCK_MONOTONIC);
    const qint64 sinceTick = mono - m_tickMono;
    // The system clock never wakes the timer before its second. A clock that stands still, or a
    // faked one whose deadlines fall due at once, does: such a clock ticks once a second at most.
    if (m_ticked && !clockSet && floorSecond(now) == m_tickSecond &&
        sinceTick < nsPerSecond * 9 / 10) {
        arm(qMax(TickSchedule::nsUntilNextSecond(now), nsPerSecond - sinceTick), false);
        return;
    }
    m_ticked = true;
    m_tickSecond = floorSecond(now);
    m_tickMono = mono;
    emit Timer();
    // A handler may have disabled the timer.
    if (m_enabled)
        aim();
}

#else

SecondTimer::SecondTimer(const Clock& clock, QObject* parent) : QObject(parent), m_clock(clock)
{
    // A coarse timer may fire up to 5% late; the face is to change within milliseconds.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SecondTimer::fire);
}

SecondTimer::~SecondTimer() = default;

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
    if (m_enabled)
        aim();
}

#endif
