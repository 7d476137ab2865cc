#pragma once

#include <QObject>
#include <QTimer>

class Clock;
class QSocketNotifier;

// A one-second timer whose ticks fall on each wall-clock second rather than at an arbitrary
// phase of it. Every tick is aimed afresh from the clock, so slack never accumulates. On Linux it
// waits on the wall clock itself (a timerfd), so a clock that is set, or a resume from suspend,
// ticks at once; elsewhere a precise timer aimed just past each second.
class SecondTimer : public QObject
{
    Q_OBJECT

public:
    explicit SecondTimer(const Clock& clock, QObject* parent = nullptr);
    ~SecondTimer() override;

    static constexpr int Interval = 1000;

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

signals:
    void Timer();

private:
    void aim();

    const Clock& m_clock;
    bool m_enabled = false;
#if defined(Q_OS_LINUX)
    void arm(qint64 ns, bool absolute);
    void wake();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    qint64 m_tickSecond = 0; // the clock's second at the last tick
    qint64 m_tickMono = 0;   // and the monotonic clock then
    bool m_ticked = false;
#else
    void fire();

    QTimer m_timer;
#endif
};
