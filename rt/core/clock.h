// The runtime's clock, shared by timers, sounds, HTTP and the waits: real
// time on Qt's event loop, or virtual milliseconds for tests. The program
// never includes this file.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>

namespace rt::clock {

// True once the tests switched to virtual time.
bool Simulated();
void SetSimulated();

// Milliseconds on the runtime's clock: virtual time since the simulated
// clock was switched on, else monotonic real time since the first use.
int64_t NowMs();

// --- Due events ------------------------------------------------------------
// A queue of callbacks by due time. On the simulated clock every timer and
// every sound's end is in it, and waits move virtual time on to its head. In
// real time only sounds' ends are in it (timers run on QTimer), so that a
// wait wakes up right when a sound ends.
using EventId = uint64_t;
// A fresh arming number: events due at the same time fire in this order.
uint64_t NextArmOrder();
// Queues `fire` for `dueMs`; the id cancels it. `fire` is called from a
// wait, an Advance or RuntimeBackgroundTask, after it left the queue.
EventId Schedule(int64_t dueMs, uint64_t order, std::function<void()> fire);
// Takes the event out of the queue; an unknown or fired id is ignored.
void Cancel(EventId id);
// Due time of the queue's head, or -1 when the queue is empty.
int64_t NextDue();
// Fires the head when it is due at or before `limitMs`; on the simulated
// clock virtual time moves on to its due time first. False when none was.
bool FireNext(int64_t limitMs);
// Moves virtual time on to `ms` (never back).
void MoveTo(int64_t ms);

// --- Outside work ----------------------------------------------------------
// Work that runs in real time even on the simulated clock (an HTTP request).
// While any is under way, the simulated waits (RuntimeBackgroundTask,
// AdvanceUntil) let virtual time follow real time instead of jumping to the
// next due event, so that the answer arrives when it would in real life and
// a wait's limit still bounds the real time spent.
void BeginOutsideWork();
void EndOutsideWork();
int OutsideWork();
// Waits in real time for events, at most a few milliseconds and never past
// `limitMs` or the next due event in virtual time, then moves virtual time on
// by the real time that passed (bounded likewise) and fires what fell due.
void FollowRealTime(int64_t limitMs);

// --- Waiting ---------------------------------------------------------------
// Delivers the pending Qt events, without waiting.
void DeliverPendingEvents();
// Delivers pending events, then waits for the next one, at most `boundMs`
// of real time (capped to a few milliseconds).
void WaitForEvents(int64_t boundMs);

// The longest real-time wait of one RuntimeBackgroundTask, in milliseconds.
inline constexpr int64_t kMaxWaitMs = 10;

}  // namespace rt::clock

// Values the tests may set (rt/testing/driver.h); the program never changes them.
namespace rt::settings {

inline constexpr int32_t kDefaultHttpTimeoutMs = 20000;
inline constexpr int64_t kDefaultHttpMaxBytes = 65536;

// The resources folder to use instead of the one beside the executable;
// empty for the default.
std::string& ResourcesFolderOverride();
int32_t& HttpTimeoutMs();
int64_t& HttpMaxBytes();
// The process's one random generator.
std::mt19937& RandomEngine();

}  // namespace rt::settings
