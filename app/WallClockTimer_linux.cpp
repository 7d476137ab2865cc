#include "app/Clock.h"
#include "app/TickSchedule.h"
#include "app/WallClockTimer.h"

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

// A timerfd on CLOCK_REALTIME, armed at an absolute time and cancelled when the clock is set.
class TimerFd final : public WallClockTimer
{
public:
    TimerFd(const Clock& clock, int fd, QObject* parent)
        : WallClockTimer(parent), m_clock(clock), m_fd(fd), m_notifier(fd, QSocketNotifier::Read)
    {
        m_notifier.setEnabled(false);
        connect(&m_notifier, &QSocketNotifier::activated, this, &TimerFd::wake);
    }
    ~TimerFd() override
    {
        m_notifier.setEnabled(false); // before its descriptor goes
        close(m_fd);
    }

    bool aim() override
    {
        m_notifier.setEnabled(true);
        // The injected clock says how far off its next second is and the kernel's wall clock
        // carries the deadline, so a test clock set to any day ticks at its own seconds, and
        // libfaketime moves the deadline into real time. For the system clock the two readings
        // are one clock: the deadline is the boundary itself (read in this order, never before
        // it).
        const qint64 delay = TickSchedule::nsUntilNextSecond(m_clock.nsecsSinceEpoch());
        return arm(nsOf(CLOCK_REALTIME) + delay, true);
    }

    void stop() override
    {
        m_notifier.setEnabled(false);
        const itimerspec off{};
        timerfd_settime(m_fd, 0, &off, nullptr);
    }

private:
    bool arm(qint64 ns, bool absolute)
    {
        itimerspec when{};
        when.it_value.tv_sec = time_t(ns / nsPerSecond);
        when.it_value.tv_nsec = long(ns % nsPerSecond);
        const int flags = absolute ? TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET : 0;
        return timerfd_settime(m_fd, flags, &when, nullptr) == 0;
    }

    void wake()
    {
        quint64 expiries = 0;
        // ECANCELED: the wall clock was set, so whatever it reads now is news.
        const bool clockSet = read(m_fd, &expiries, sizeof expiries) < 0 && errno == ECANCELED;
        if (!clockSet && expiries == 0)
            return;
        const qint64 now = m_clock.nsecsSinceEpoch();
        const qint64 mono = nsOf(CLOCK_MONOTONIC);
        const qint64 sinceTick = mono - m_tickMono;
        // The system clock never wakes the timer before its second. A clock that stands still,
        // or a faked one whose deadlines fall due at once, does: such a clock ticks once a second
        // at most.
        if (m_ticked && !clockSet && floorSecond(now) == m_tickSecond &&
            sinceTick < nsPerSecond * 9 / 10 &&
            arm(qMax(TickSchedule::nsUntilNextSecond(now), nsPerSecond - sinceTick), false))
            return;
        m_ticked = true;
        m_tickSecond = floorSecond(now);
        m_tickMono = mono;
        emit due();
    }

    const Clock& m_clock;
    const int m_fd;
    QSocketNotifier m_notifier;
    qint64 m_tickSecond = 0; // the clock's second at the last tick
    qint64 m_tickMono = 0;   // and the monotonic clock then
    bool m_ticked = false;
};

} // namespace

WallClockTimer* WallClockTimer::create(const Clock& clock, QObject* parent)
{
    const int fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    return fd < 0 ? nullptr : new TimerFd(clock, fd, parent);
}
