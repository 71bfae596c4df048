// The runtime's clock, shared by timers, sounds and the waits: real time on
// Qt timers, or virtual milliseconds for tests.
#pragma once

#include <cstdint>

namespace rt::clock {

// True once the tests switched to virtual time.
bool Simulated();
void SetSimulated();

}  // namespace rt::clock
