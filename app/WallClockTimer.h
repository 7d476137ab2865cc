#pragma once

#include <QObject>

class Clock;

// A timer that waits on the system's wall clock itself, aimed at the clock's next second, so a
// clock that is set, or a resume from suspend, wakes it at once. Each platform's file, chosen by
// the build, says whether the system has one.
class WallClockTimer : public QObject
{
    Q_OBJECT

public:
    // None where the system has no such timer or will not make one now.
    static WallClockTimer* create(const Clock& clock, QObject* parent);

    // False when the system refuses to aim it.
    virtual bool aim() = 0;
    virtual void stop() = 0;

signals:
    // The second aimed at has begun, the wall clock was set, or the timer could not be aimed
    // again (the next aim tells).
    void due();

protected:
    using QObject::QObject;
};
