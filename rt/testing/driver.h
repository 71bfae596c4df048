// The test driver: the simulated clock and the hooks that record and answer
// the modal boxes, the message dialog, ShowURL and Beep. Only tests include
// this file and link its library (rt_testing); the program has no way to
// reach it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "rt/dialogs.h"
#include "rt/object.h"

class QWidget;

namespace rt::testing {

// --- Simulated clock -------------------------------------------------------
// Switches the runtime to virtual milliseconds. Call before any timer or
// sound exists (the test main does it). Timers fire in deadline order, ties in
// the order they were armed; RuntimeBackgroundTask and every wait move
// virtual time on to the next due event; a sound lasts its WAV duration.
void UseSimulatedClock();
bool SimulatedClock();
// Virtual time since the clock was switched on.
int64_t Now();
// Moves virtual time on by `ms`, firing every timer that falls due, in order,
// and delivering pending Qt events between them.
void Advance(int64_t ms);
// Advances until `done` is true or `limitMs` of virtual time have passed;
// returns `done()`.
bool AdvanceUntil(const std::function<bool()>& done, int64_t limitMs);
// Milliseconds until the next due event, or -1 when nothing is scheduled.
int64_t NextDueIn();

// --- Hooks -----------------------------------------------------------------
// Sends MsgBox, MessageDialog, ShowURL and Beep to the hooks below instead of
// the screen and the system (the test main does it; false: the real ones).
void UseTestHooks(bool on = true);
bool TestHooksActive();

struct Record {
  std::vector<std::string> msgBoxes;  // texts, in order
  std::vector<std::string> urls;      // ShowURL addresses, in order
  int beeps = 0;
  std::vector<std::string> dialogs;      // MessageDialog titles, in order
  std::vector<std::string> eventErrors;  // messages of exceptions escaping handlers
  std::vector<std::string> unhandled;    // exceptions that reached the main routine
};
// What was shown since the last Reset.
Record& Recorded();
// Clears the record and restores the default answers below.
void Reset();

// Called for each MsgBox after it is recorded (default: nothing). The box
// returns when the function does; it may drive further events.
void OnMsgBox(std::function<void(const std::string&)> answer);
// Chooses the button a MessageDialog returns (default: its cancel button).
void OnMessageDialog(std::function<Ref<MessageDialogButton>(MessageDialog&)> answer);
// Called when a window starts a modal loop, once the window is shown.
void OnModal(std::function<void(const std::string& className)> callback);

// Sees every property list SetProperties applies: the object and the whole
// list, before the first entry is applied (default: none).
using PropertiesObserver = std::function<void(const Object& target, const std::string& bytes)>;
void OnSetProperties(PropertiesObserver observer);

// --- Runtime set-up for tests ------------------------------------------------
// Takes the resources folder from this path instead of beside the executable
// (empty: back to the default).
void SetResourcesFolder(const std::string& path);
// Seeds the process's random generator.
void SeedRandom(uint32_t seed);
// The HTTP time bound and size cap (defaults: 20000 ms, 65536 bytes).
void SetHttpLimits(int32_t timeoutMs, int64_t maxBytes);
int32_t HttpTimeoutMs();
int64_t HttpMaxBytes();
// Forgets the registered application object, the implicit windows (closing
// them) and the class records, so that a test can run start-up again.
void ResetRuntime();

// --- Reaching widgets --------------------------------------------------------
// The key state that Keyboard::AsyncKeyDown reports, without a real key.
void SetKeyDown(int32_t keyCode, bool down);

}  // namespace rt::testing
