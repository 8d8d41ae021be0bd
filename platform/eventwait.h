#pragma once

#include <functional>

namespace tarvelo {

// Lets the program's events run for the given milliseconds. The wait is timed by Qt's
// monotonic timers, so midnight or a clock change never make it hang, and the thread
// sleeps while nothing happens.
void runEventsFor(int milliseconds);

// Lets the program's events run until `ready` answers true or the milliseconds have
// passed; answers whether it came true. `ready` is asked first, so a condition that holds
// already runs no events.
bool runEventsUntil(const std::function<bool()>& ready, int milliseconds);

}  // namespace tarvelo
