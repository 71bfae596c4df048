// The main of every test suite: real widgets on the offscreen Qt platform,
// virtual time on the simulated clock.
#include <gtest/gtest.h>

#include <cstdlib>

#include "rt/runtime.h"
#include "rt/testing/driver.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  rt::testing::UseSimulatedClock();
  rt::testing::UseTestHooks();
  rt::RuntimeInit(argc, argv);
  return RUN_ALL_TESTS();
}
