// The test driver's side of the clock, the resources folder, the random
// generator and the HTTP limits.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>

#include "rt/core/clock.h"
#include "rt/runtime.h"
#include "rt/testing/driver.h"
#include "rt/testing/hooks.h"

namespace rt::testing {

void UseSimulatedClock() {
  // A modal window on this clock must wait in virtual time: the test
  // driver's modal host does that.
  InstallHooks();
  clock::SetSimulated();
}
bool SimulatedClock() {
  return clock::Simulated();
}

int64_t Now() {
  return clock::NowMs();
}

void Advance(int64_t ms) {
  const int64_t target = clock::NowMs() + std::max<int64_t>(0, ms);
  if (!clock::Simulated()) {
    while (clock::NowMs() < target) clock::WaitForEvents(target - clock::NowMs());
    return;
  }
  for (;;) {
    clock::DeliverPendingEvents();
    if (!clock::FireNext(target)) break;
  }
  // A wait inside a handler may have moved time past the target already.
  clock::MoveTo(target);
  clock::DeliverPendingEvents();
}

bool AdvanceUntil(const std::function<bool()>& done, int64_t limitMs) {
  const int64_t limit = clock::NowMs() + std::max<int64_t>(0, limitMs);
  if (!clock::Simulated()) {
    clock::DeliverPendingEvents();
    while (!done() && clock::NowMs() < limit) clock::WaitForEvents(limit - clock::NowMs());
    return done();
  }
  for (;;) {
    clock::DeliverPendingEvents();
    if (done()) return true;
    if (clock::OutsideWork() > 0) {
      // A request runs in real time: so does virtual time meanwhile.
      if (clock::NowMs() >= limit) break;
      clock::FollowRealTime(limit);
      continue;
    }
    if (!clock::FireNext(limit)) break;
  }
  clock::MoveTo(limit);
  clock::DeliverPendingEvents();
  return done();
}

int64_t NextDueIn() {
  const int64_t due = clock::NextDue();
  return due < 0 ? -1 : std::max<int64_t>(0, due - clock::NowMs());
}

void SetResourcesFolder(const std::string& path) {
  settings::ResourcesFolderOverride() = path;
}

void SeedRandom(uint32_t seed) {
  settings::RandomEngine().seed(seed);
}

void SetHttpLimits(int32_t timeoutMs, int64_t maxBytes) {
  settings::HttpTimeoutMs() = timeoutMs > 0 ? timeoutMs : settings::kDefaultHttpTimeoutMs;
  settings::HttpMaxBytes() = maxBytes > 0 ? maxBytes : settings::kDefaultHttpMaxBytes;
}
int32_t HttpTimeoutMs() {
  return settings::HttpTimeoutMs();
}
int64_t HttpMaxBytes() {
  return settings::HttpMaxBytes();
}

}  // namespace rt::testing
