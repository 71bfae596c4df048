// Between the test driver's files; tests include rt/testing/driver.h.
#pragma once

namespace rt::testing {

// Puts the test driver in place (once; later calls do nothing): its modal
// host, which answers message boxes, dialogs, ShowURL and Beep while the
// hooks are active and makes a modal window on the simulated clock wait in
// virtual time, and the record of exceptions that escaped handlers.
void InstallHooks();

}  // namespace rt::testing
