// The testing functions of the clock, the resources folder, the random
// generator and the HTTP limits.
#include "rt/clock_internal.h"
#include "rt/testing.h"

namespace rt::testing {

void UseSimulatedClock() { clock::SetSimulated(); }
bool SimulatedClock() { return clock::Simulated(); }

}  // namespace rt::testing
