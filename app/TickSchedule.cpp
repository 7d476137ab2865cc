#include "app/TickSchedule.h"

namespace TickSchedule {

int msUntilNextTick(qint64 ms)
{
    // Local second boundaries fall on UTC second boundaries (zone offsets are whole seconds).
    const int intoSecond = int(((ms % 1000) + 1000) % 1000);
    return 1000 - intoSecond + landingMs;
}

} // namespace TickSchedule
