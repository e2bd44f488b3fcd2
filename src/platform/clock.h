// The clock of the system: blocking sleeps and the time of day. The product sleeps for real;
// headless runs may compress time (--fast) or fix the time of day (--clock).
#pragma once

namespace vclock {

struct timeofday {
    int hour, minute, second;
};

// Blocks the calling thread for ms milliseconds (no time at all when fast).
void sleep(int ms);
timeofday now();

void setfast(bool fast);
bool fast();
// From now on now() gives this time instead of the local time.
void setfixedtime(timeofday t);

}  // namespace vclock
