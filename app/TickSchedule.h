#pragma once

#include <QDateTime>

// When the next tick is due. The tick is aimed at the next wall-clock second and re-aimed from a
// fresh reading at every tick, so timer slack, a stepped system clock or a resume from suspend
// never leaves the face a second behind for more than one tick.
namespace TickSchedule {

// How far past the second boundary a millisecond timer is aimed: the wall clock is read in whole
// milliseconds and a precise timer may fire a fraction of one early.
inline constexpr int landingMs = 2;

// Milliseconds from now until landingMs past the next second boundary: 1 + landingMs to
// 1000 + landingMs. A tick that fires a moment early or late still paints each second once, and a
// clock that stands still (a frozen test clock) does not make the timer spin.
int msUntilNextTick(qint64 msecsSinceEpoch);
inline int msUntilNextTick(const QDateTime& now)
{
    return msUntilNextTick(now.toMSecsSinceEpoch());
}

// Nanoseconds from now until the next second boundary, 1 to 1e9: a timer on the wall clock
// itself never fires early, so it can aim at the boundary exactly.
qint64 nsUntilNextSecond(qint64 nsecsSinceEpoch);

} // namespace TickSchedule
