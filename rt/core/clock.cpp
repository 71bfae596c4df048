// The clock: the queue of due events, virtual time for tests, and the waits
// (RuntimeBackgroundTask) that let the event loop run inside a handler.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <map>
#include <unordered_map>
#include <utility>

#include "rt/core/clock.h"
#include "rt/runtime.h"

namespace rt::clock {

namespace {

struct Key {
  int64_t due;
  uint64_t order;
  friend bool operator<(const Key& a, const Key& b) {
    return a.due != b.due ? a.due < b.due : a.order < b.order;
  }
};

struct Entry {
  EventId id;
  std::function<void()> fire;
};

struct State {
  bool simulated = false;
  int64_t virtualNow = 0;
  uint64_t nextOrder = 1;
  EventId nextId = 1;
  std::map<Key, Entry> queue;
  std::unordered_map<EventId, Key> keys;
  int outsideWork = 0;
};

State& S() {
  static State state;
  return state;
}

int64_t RealNow() {
  static QElapsedTimer* started = [] {
    auto* t = new QElapsedTimer;
    t->start();
    return t;
  }();
  return started->elapsed();
}

}  // namespace

bool Simulated() {
  return S().simulated;
}

void SetSimulated() {
  State& s = S();
  if (s.simulated) return;
  s.simulated = true;
  s.virtualNow = 0;
}

int64_t NowMs() {
  return S().simulated ? S().virtualNow : RealNow();
}

uint64_t NextArmOrder() {
  return S().nextOrder++;
}

EventId Schedule(int64_t dueMs, uint64_t order, std::function<void()> fire) {
  State& s = S();
  const EventId id = s.nextId++;
  const Key key{dueMs, order};
  s.queue.emplace(key, Entry{id, std::move(fire)});
  s.keys.emplace(id, key);
  return id;
}

void Cancel(EventId id) {
  State& s = S();
  auto it = s.keys.find(id);
  if (it == s.keys.end()) return;
  s.queue.erase(it->second);
  s.keys.erase(it);
}

int64_t NextDue() {
  const State& s = S();
  return s.queue.empty() ? -1 : s.queue.begin()->first.due;
}

bool FireNext(int64_t limitMs) {
  State& s = S();
  if (s.queue.empty()) return false;
  auto head = s.queue.begin();
  if (head->first.due > limitMs) return false;
  if (s.simulated) s.virtualNow = std::max(s.virtualNow, head->first.due);
  std::function<void()> fire = std::move(head->second.fire);
  s.keys.erase(head->second.id);
  s.queue.erase(head);
  if (fire) fire();
  return true;
}

void MoveTo(int64_t ms) {
  State& s = S();
  if (s.simulated) s.virtualNow = std::max(s.virtualNow, ms);
}

void BeginOutsideWork() {
  ++S().outsideWork;
}
void EndOutsideWork() {
  if (S().outsideWork > 0) --S().outsideWork;
}
int OutsideWork() {
  return S().outsideWork;
}

void DeliverPendingEvents() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WaitForEvents(int64_t boundMs) {
  if (!QCoreApplication::instance()) return;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  const int64_t bound = std::clamp<int64_t>(boundMs, 0, kMaxWaitMs);
  if (bound == 0) return;
  // The wake-up timer bounds the wait; any other event ends it sooner.
  QTimer wake;
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  wake.start(static_cast<int>(bound));
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void FollowRealTime(int64_t limitMs) {
  const int64_t now = NowMs();
  const int64_t due = NextDue();
  const int64_t horizon = due >= 0 ? std::min(due, limitMs) : limitMs;
  if (horizon > now) {
    const int64_t before = RealNow();
    WaitForEvents(horizon - now);
    MoveTo(std::min(horizon, now + (RealNow() - before)));
  } else {
    DeliverPendingEvents();
  }
  while (FireNext(std::min(NowMs(), limitMs))) {
  }
}

}  // namespace rt::clock

namespace rt {

void RuntimeBackgroundTask() {
  using namespace clock;
  if (!Simulated()) {
    // Real time: wait for the next event, waking at the latest when the
    // earliest sound ends, so that a polling loop sleeps instead of spinning.
    const int64_t due = NextDue();
    const int64_t now = NowMs();
    WaitForEvents(due < 0 ? kMaxWaitMs : std::max<int64_t>(0, due - now));
    while (FireNext(NowMs())) {
    }
    return;
  }
  // Virtual time: deliver what is pending, then move on to the next due
  // event and fire it. With a request under way, time follows real time;
  // with nothing due at all, do not spin.
  DeliverPendingEvents();
  if (OutsideWork() > 0) {
    FollowRealTime(NowMs() + kMaxWaitMs);
  } else if (NextDue() >= 0) {
    FireNext(NextDue());
  } else {
    WaitForEvents(1);
  }
}

}  // namespace rt

namespace rt::settings {

std::string& ResourcesFolderOverride() {
  static std::string path;
  return path;
}
int32_t& HttpTimeoutMs() {
  static int32_t ms = kDefaultHttpTimeoutMs;
  return ms;
}
int64_t& HttpMaxBytes() {
  static int64_t bytes = kDefaultHttpMaxBytes;
  return bytes;
}
std::mt19937& RandomEngine() {
  static std::mt19937 engine{std::random_device{}()};
  return engine;
}

}  // namespace rt::settings
