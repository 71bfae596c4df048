#include "rt/clock_internal.h"

namespace rt::clock {

namespace {
bool gSimulated = false;
}

bool Simulated() { return gSimulated; }
void SetSimulated() { gSimulated = true; }

}  // namespace rt::clock
