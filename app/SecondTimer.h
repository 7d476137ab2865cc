#pragma once

#include <QObject>
#include <QTimer>

class Clock;
class WallClockTimer;

// A one-second timer whose ticks fall on each wall-clock second rather than at an arbitrary
// phase of it. Every tick is aimed afresh from the clock, so slack never accumulates. Where the
// system has a timer that waits on the wall clock itself, it ticks on that, so a clock that is
// set, or a resume from suspend, ticks at once; elsewhere, and from the moment that timer cannot
// be made or aimed, on a precise timer aimed just past each second.
class SecondTimer : public QObject
{
    Q_OBJECT

public:
    explicit SecondTimer(const Clock& clock, QObject* parent = nullptr);

    void setEnabled(bool enabled);

signals:
    void Timer();

private:
    void aim();
    void fire();

    const Clock& m_clock;
    bool m_enabled = false;
    WallClockTimer* m_wallClock = nullptr; // a child; none once it has failed
    QTimer m_timer;
};
