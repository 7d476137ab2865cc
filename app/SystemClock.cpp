#include "app/SystemClock.h"

#include <ctime>

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 SystemClock::msecsSinceEpoch() const
{
    return QDateTime::currentMSecsSinceEpoch();
}

qint64 SystemClock::nsecsSinceEpoch() const
{
#if defined(CLOCK_REALTIME)
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
#else
    return msecsSinceEpoch() * 1'000'000;
#endif
}
