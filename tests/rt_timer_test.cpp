// Timers on the simulated clock: the three modes, the order of firing
// (deadline, then arming order), re-arming by Mode, an Action that waits
// inside (not re-entered, other timers tick meanwhile) and the waits
// themselves (Advance, AdvanceUntil, RuntimeBackgroundTask).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "rt/object.h"
#include "rt/proplist.h"
#include "rt/runtime.h"
#include "rt/testing/driver.h"
#include "rt/timer.h"
#include "rt/window.h"

namespace {

using rt::Ref;
using rt::Timer;
using rt::testing::Now;

// What fired, and when.
struct Log {
  std::vector<std::string> names;
  std::vector<int64_t> times;
  void Add(const std::string& name) {
    names.push_back(name);
    times.push_back(Now());
  }
};

class TimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::testing::Reset();
    // Let timers of earlier tests run out; every test starts on a clean queue.
    ASSERT_EQ(rt::testing::NextDueIn(), -1);
    start_ = Now();
  }
  // Milliseconds since the test began.
  int64_t At() const { return Now() - start_; }
  Ref<Timer> Make(const std::string& name, int32_t period, Log& log) {
    auto timer = rt::RuntimeNewObject<Timer>();
    timer->SetPeriod(period);
    timer->Action.Bind([&log, name](Ref<Timer>) { log.Add(name); });
    return timer;
  }
  std::vector<int64_t> Since(const std::vector<int64_t>& times) const {
    std::vector<int64_t> out;
    for (int64_t t : times) out.push_back(t - start_);
    return out;
  }
  int64_t start_ = 0;
};

struct ModeCase {
  int32_t mode, period;
  int64_t advance;
  std::vector<int64_t> fired;  // times since arming
  int32_t modeAfter;
};

TEST_F(TimerTest, ModesFireAtTheirPeriods) {
  const ModeCase cases[] = {
      {Timer::kModeOff, 100, 1000, {}, Timer::kModeOff},
      {Timer::kModeSingle, 300, 299, {}, Timer::kModeSingle},   // not a millisecond early
      {Timer::kModeSingle, 300, 1000, {300}, Timer::kModeOff},  // once, then off
      {Timer::kModeMultiple, 100, 350, {100, 200, 300}, Timer::kModeMultiple},
      {Timer::kModeMultiple, 0, 3, {1, 2, 3}, Timer::kModeMultiple},  // never a busy loop
      {Timer::kModeSingle, 0, 5, {0}, Timer::kModeOff},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(c.mode) + " period " + std::to_string(c.period));
    Log log;
    auto timer = Make("t", c.period, log);
    const int64_t armed = Now();
    timer->SetMode(c.mode);
    rt::testing::Advance(c.advance);
    std::vector<int64_t> fired;
    for (int64_t t : log.times) fired.push_back(t - armed);
    EXPECT_EQ(fired, c.fired);
    EXPECT_EQ(timer->Mode(), c.modeAfter);
    timer->SetMode(Timer::kModeOff);
  }
}

// Deadline order; at one instant the timer armed first fires first, and a
// repeating timer keeps its place among ties at every tick.
TEST_F(TimerTest, FireInDeadlineOrderTiesInArmingOrder) {
  Log log;
  auto ticker = Make("tick", 100, log);
  auto a = Make("a300", 300, log);
  auto b = Make("b100", 100, log);
  auto c = Make("c300", 300, log);
  auto d = Make("d200", 200, log);
  ticker->SetMode(Timer::kModeMultiple);
  for (auto* t : {&a, &b, &c, &d}) (*t)->SetMode(Timer::kModeSingle);
  rt::testing::Advance(300);
  EXPECT_EQ(log.names,
            (std::vector<std::string>{"tick", "b100", "tick", "d200", "tick", "a300", "c300"}));
  EXPECT_EQ(Since(log.times), (std::vector<int64_t>{100, 100, 200, 200, 300, 300, 300}));
  ticker->SetMode(Timer::kModeOff);
}

// The game's own arming: the stops armed before the stepping timer fire
// before its tick at the same instant.
TEST_F(TimerTest, StopsBeforeTheTickAtTheSameInstant) {
  Log log;
  auto stop1 = Make("stop1", 1500, log);
  auto stop2 = Make("stop2", 2500, log);
  auto step = Make("step", 100, log);
  stop1->SetMode(Timer::kModeSingle);
  stop2->SetMode(Timer::kModeSingle);
  step->SetMode(Timer::kModeMultiple);
  rt::testing::Advance(2500);
  ASSERT_EQ(log.names.size(), 27u);
  EXPECT_EQ(log.names[14], "stop1");
  EXPECT_EQ(log.names[15], "step");
  EXPECT_EQ(Since(log.times)[14], 1500);
  EXPECT_EQ(log.names[25], "stop2");
  EXPECT_EQ(log.names[26], "step");
  step->SetMode(Timer::kModeOff);
}

TEST_F(TimerTest, SettingModeRestartsTheCount) {
  Log log;
  auto single = Make("single", 300, log);
  auto repeat = Make("repeat", 100, log);
  single->SetMode(Timer::kModeSingle);
  repeat->SetMode(Timer::kModeMultiple);
  rt::testing::Advance(250);  // repeat fired at 100, 200
  single->SetMode(Timer::kModeSingle);
  repeat->SetMode(Timer::kModeMultiple);
  rt::testing::Advance(500);  // to 750
  repeat->SetMode(Timer::kModeOff);
  rt::testing::Advance(500);
  // At 550 the single shot, armed again first, fires before the tick.
  EXPECT_EQ(log.names, (std::vector<std::string>{"repeat", "repeat", "repeat", "repeat", "single",
                                                 "repeat", "repeat", "repeat"}));
  EXPECT_EQ(Since(log.times), (std::vector<int64_t>{100, 200, 350, 450, 550, 550, 650, 750}));
}

TEST_F(TimerTest, NewPeriodRestartsACountingTimer) {
  Log log;
  auto timer = Make("t", 300, log);
  timer->SetMode(Timer::kModeSingle);
  rt::testing::Advance(200);
  timer->SetPeriod(500);
  rt::testing::Advance(1000);
  EXPECT_EQ(Since(log.times), (std::vector<int64_t>{700}));
}

TEST_F(TimerTest, PropertiesSetModeAndPeriod) {
  Log log;
  auto timer = Make("t", 1000, log);
  rt::SetProperties(timer, rt::PropertyList().Int("Mode", 0).Int("Period", 250));
  EXPECT_EQ(timer->Mode(), Timer::kModeOff);
  EXPECT_EQ(timer->Period(), 250);
  rt::SetProperties(timer, rt::PropertyList().Int("Mode", 2));
  rt::testing::Advance(500);
  EXPECT_EQ(Since(log.times), (std::vector<int64_t>{250, 500}));
  timer->SetMode(Timer::kModeOff);
}

// A repeating timer whose Action waits 250 ms (as a handler waits for its
// sound) is not entered again meanwhile, and another timer keeps ticking
// inside the wait.
TEST_F(TimerTest, WaitingActionIsNotReenteredWhileOthersTick) {
  Log log;
  int depth = 0, deepest = 0, entries = 0;
  auto waiter = rt::RuntimeNewObject<Timer>();
  waiter->SetPeriod(100);
  waiter->Action.Bind([&](Ref<Timer>) {
    ++entries;
    deepest = std::max(deepest, ++depth);
    log.Add("enter");
    const int64_t until = Now() + 250;
    while (Now() < until) rt::RuntimeBackgroundTask();
    log.Add("leave");
    --depth;
  });
  auto ticker = Make("tick", 100, log);
  waiter->SetMode(Timer::kModeMultiple);
  ticker->SetMode(Timer::kModeMultiple);
  rt::testing::Advance(500);
  waiter->SetMode(Timer::kModeOff);
  ticker->SetMode(Timer::kModeOff);
  EXPECT_EQ(deepest, 1);
  EXPECT_EQ(entries, 2);
  // The waiter's own ticks at 200, 300 and 400 pass while it waits (the wait
  // moves on to them and ends at the first past its 250 ms); it runs again
  // at its next tick after returning.
  EXPECT_EQ(log.names, (std::vector<std::string>{"enter", "tick", "tick", "tick", "leave", "tick",
                                                 "enter", "tick", "tick", "tick", "leave"}));
  EXPECT_EQ(Since(log.times),
            (std::vector<int64_t>{100, 100, 200, 300, 400, 400, 500, 500, 600, 700, 800}));
}

// A single shot re-armed inside its own waiting Action, falling due before
// the Action returns, fires once the Action has returned.
TEST_F(TimerTest, SingleShotDueDuringItsOwnWaitFiresAfterIt) {
  Log log;
  auto timer = rt::RuntimeNewObject<Timer>();
  timer->SetPeriod(100);
  int runs = 0;
  timer->Action.Bind([&](Ref<Timer> self) {
    log.Add("enter");
    if (++runs == 1) {
      self->SetMode(Timer::kModeSingle);
      const int64_t until = Now() + 300;
      while (Now() < until) rt::testing::Advance(50);
    }
    log.Add("leave");
  });
  timer->SetMode(Timer::kModeSingle);
  rt::testing::Advance(1000);
  EXPECT_EQ(log.names, (std::vector<std::string>{"enter", "leave", "enter", "leave"}));
  EXPECT_EQ(Since(log.times), (std::vector<int64_t>{100, 400, 400, 400}));
  EXPECT_EQ(timer->Mode(), Timer::kModeOff);
}

// An exception out of an Action is reported, and the timer goes on.
TEST_F(TimerTest, ExceptionInActionIsReportedAndTimerGoesOn) {
  int calls = 0;
  auto timer = rt::RuntimeNewObject<Timer>();
  timer->SetPeriod(100);
  timer->Action.Bind([&](Ref<Timer>) {
    ++calls;
    throw rt::NilObjectException();
  });
  timer->SetMode(Timer::kModeMultiple);
  rt::testing::Advance(300);
  timer->SetMode(Timer::kModeOff);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(rt::testing::Recorded().eventErrors.size(), 3u);
}

TEST_F(TimerTest, DroppedTimerNeverFires) {
  Log log;
  {
    auto timer = Make("gone", 100, log);
    timer->SetMode(Timer::kModeMultiple);
    EXPECT_EQ(rt::testing::NextDueIn(), 100);
  }
  EXPECT_EQ(rt::testing::NextDueIn(), -1);
  rt::testing::Advance(500);
  EXPECT_TRUE(log.names.empty());
}

TEST_F(TimerTest, TimerDroppedInsideItsOwnActionIsSafe) {
  int calls = 0;
  auto timer = rt::RuntimeNewObject<Timer>();
  std::shared_ptr<Timer> holder = timer.shared();
  timer = nullptr;
  holder->SetPeriod(100);
  holder->Action.Bind([&](Ref<Timer> self) {
    ++calls;
    EXPECT_FALSE(self.IsNil());
    holder.reset();  // the last reference but the one the Action holds
  });
  holder->SetMode(Timer::kModeMultiple);
  rt::testing::Advance(500);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(rt::testing::NextDueIn(), -1);
}

// A window with timers of its own, made the way the program makes them.
class TimerWindow : public rt::Window {
 public:
  static constexpr const char* kName = "TimerWindow.TimerWindow";
  TimerWindow() : rt::Window(kName) {}
  std::function<void()> onClose;

 protected:
  void Event_Close() override {
    if (onClose) onClose();
  }
};

Ref<Timer> AddTimer(const Ref<TimerWindow>& window, const std::string& name, int32_t period,
                    std::function<void()> action) {
  auto timer = window->New<Timer>();
  timer->Constructor();
  window->AddControl(name, timer);
  timer->SetPeriod(period);
  timer->Action.Bind([action](Ref<Timer>) { action(); });
  return timer;
}

// After its window closes, no timer of it fires: not the counting ones, not
// one a still-running handler arms again, not one due while the window's
// Close handler waits. A timer of no window goes on.
TEST_F(TimerTest, TimersOfAClosedWindowNeverFireAgain) {
  Log log;
  auto window = rt::ImplicitInstance<TimerWindow>(TimerWindow::kName);
  auto once = AddTimer(window, "once", 300, [&] { log.Add("once"); });
  auto ticks = AddTimer(window, "ticks", 100, [&] { log.Add("ticks"); });
  auto other = Make("other", 100, log);
  once->SetMode(Timer::kModeSingle);
  ticks->SetMode(Timer::kModeMultiple);
  other->SetMode(Timer::kModeMultiple);
  rt::testing::Advance(150);
  EXPECT_EQ(log.names, (std::vector<std::string>{"ticks", "other"}));

  window->onClose = [] { rt::testing::Advance(200); };  // a wait inside Close
  window->Close();
  EXPECT_EQ(once->Mode(), Timer::kModeOff);
  EXPECT_EQ(ticks->Mode(), Timer::kModeOff);
  ticks->SetMode(Timer::kModeMultiple);
  EXPECT_EQ(ticks->Mode(), Timer::kModeOff);
  rt::testing::Advance(1000);
  other->SetMode(Timer::kModeOff);
  const auto first = log.names.begin() + 2;
  EXPECT_EQ(std::count(first, log.names.end(), "other"), log.names.end() - first)
      << "only the windowless timer fired after the close";
  EXPECT_EQ(log.names.size(), 14u);  // it ticked on throughout: 100 ... 1300
  EXPECT_EQ(rt::testing::NextDueIn(), -1);
}

// The game closes windows from timer Actions: that tick is the last.
TEST_F(TimerTest, ActionThatClosesItsWindowIsItsLastTick) {
  int calls = 0;
  auto window = rt::ImplicitInstance<TimerWindow>(TimerWindow::kName);
  AddTimer(window, "ticks", 100, [&] {
    if (++calls == 2) window->Close();
  })->SetMode(Timer::kModeMultiple);
  rt::testing::Advance(1000);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(rt::testing::NextDueIn(), -1);
}

// Pending Qt events are delivered between two timers, in time order.
TEST_F(TimerTest, AdvanceDeliversPendingEventsBetweenTimers) {
  Log log;
  auto first = rt::RuntimeNewObject<Timer>();
  first->SetPeriod(100);
  first->Action.Bind([&](Ref<Timer>) {
    log.Add("first");
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { log.Add("posted"); }, Qt::QueuedConnection);
  });
  auto second = Make("second", 200, log);
  first->SetMode(Timer::kModeSingle);
  second->SetMode(Timer::kModeSingle);
  rt::testing::Advance(1000);
  EXPECT_EQ(log.names, (std::vector<std::string>{"first", "posted", "second"}));
  EXPECT_EQ(Since(log.times), (std::vector<int64_t>{100, 100, 200}));
}

// RuntimeBackgroundTask moves on to the next due event, fires it and returns.
TEST_F(TimerTest, BackgroundTaskFiresOneDueEventPerCall) {
  Log log;
  auto a = Make("a", 300, log);
  auto b = Make("b", 700, log);
  a->SetMode(Timer::kModeSingle);
  b->SetMode(Timer::kModeSingle);
  EXPECT_EQ(rt::testing::NextDueIn(), 300);
  rt::RuntimeBackgroundTask();
  EXPECT_EQ(log.names, std::vector<std::string>{"a"});
  EXPECT_EQ(At(), 300);
  EXPECT_EQ(rt::testing::NextDueIn(), 400);
  rt::RuntimeBackgroundTask();
  EXPECT_EQ(log.names, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(At(), 700);
  rt::RuntimeBackgroundTask();  // nothing due: time stands still
  EXPECT_EQ(At(), 700);
}

TEST_F(TimerTest, AdvanceUntilStopsWhenDoneOrAtTheLimit) {
  Log log;
  auto timer = Make("t", 100, log);
  timer->SetMode(Timer::kModeMultiple);
  EXPECT_TRUE(rt::testing::AdvanceUntil([&] { return log.names.size() == 3; }, 10000));
  EXPECT_EQ(At(), 300);
  EXPECT_FALSE(rt::testing::AdvanceUntil([] { return false; }, 250));
  EXPECT_EQ(At(), 550);
  EXPECT_EQ(log.names.size(), 5u);
  timer->SetMode(Timer::kModeOff);
}

}  // namespace
