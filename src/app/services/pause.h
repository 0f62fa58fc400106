#pragma once

#include <QtGlobal>

#include <functional>

namespace fendrake {

// Lets the given number of seconds pass on the wall clock while window events keep being
// processed. The clock is read in whole seconds, so a pause of n lasts between n - 1 and n
// seconds. Zero, negative or NaN returns at once without processing any event.
void Pause(double seconds);

// The clock Pause reads: whole seconds of local wall-clock time.
using PauseClock = std::function<qint64()>;

// Tests put a faster clock in place; returns the clock set before. An empty clock restores
// the system clock.
PauseClock setPauseClock(PauseClock clock);

} // namespace fendrake
