#include "app/TickSchedule.h"

namespace TickSchedule {

int msUntilNextTick(qint64 ms)
{
    // Local second boundaries fall on UTC second boundaries (zone offsets are whole seconds).
    const int intoSecond = int(((ms % 1000) + 1000) % 1000);
    return 1000 - intoSecond + landingMs;
}

qint64 nsUntilNextSecond(qint64 ns)
{
    constexpr qint64 second = 1'000'000'000;
    return second - ((ns % second) + second) % second;
}

} // namespace TickSchedule
