// Between the test driver's files; tests include rt/testing/driver.h.
#pragma once

namespace rt::testing {

// Puts the test driver's modal host in place (once; later calls do nothing):
// the hooks answer message boxes, dialogs, ShowURL and Beep while they are
// active, and a modal window on the simulated clock waits in virtual time.
void InstallTestHost();

}  // namespace rt::testing
