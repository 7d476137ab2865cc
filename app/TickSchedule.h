#pragma once

#include <QDateTime>

// When the next tick is due. The tick is aimed just past the next wall-clock second and re-aimed
// from a fresh reading at every tick, so timer slack, a stepped system clock or a resume from
// suspend never leaves the face a second behind for more than one tick.
namespace TickSchedule {

// How far past the second boundary a tick is aimed: the wall clock is read in whole
// milliseconds and a precise timer may fire a fraction of one early.
inline constexpr int landingMs = 2;

// Milliseconds from now until the next moment that lies landingMs past a second boundary:
// 1 to 1000.
int msUntilNextTick(const QDateTime& now);

} // namespace TickSchedule
