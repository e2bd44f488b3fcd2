// The message pump that every wait of the system runs, and the way a run is brought to an end
// from inside a nested wait (main window closed, Program > Exit during a run).
#pragma once

#include <functional>

// Thrown out of a wait once the program is ending; the run sequence catches it and unwinds.
struct runaborted {};

namespace messages {

// Handles every window message that is waiting, then returns.
void process();
// Handles messages until busy() gives false. Sleeps in the event loop while nothing is pending
// (woken at least every few ms to re-test busy), so a wait never spins a core.
// Throws runaborted once an end has been requested.
void waitwhile(const std::function<bool()>& busy);
// Blocks for the next event or at most ms milliseconds, then handles what came.
void waitfor(int ms);

void requestend();
bool ending();
// Takes back a requested end, for a process that starts its windows anew (as tests do).
void resetend();
// Throws runaborted when an end has been requested.
void checkend();

}  // namespace messages
