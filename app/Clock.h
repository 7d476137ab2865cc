#pragma once

#include <QDateTime>

// The one seam through which the program learns the time, so tests can set any time of day.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // The same instant as now() without working out the local time, for the timer's aim.
    virtual qint64 msecsSinceEpoch() const { return now().toMSecsSinceEpoch(); }
    // Finer still: the timer aims at the second boundary itself, not the millisecond after it.
    virtual qint64 nsecsSinceEpoch() const { return msecsSinceEpoch() * 1'000'000; }
};
