// Timers: Qt's precise timers in real time, the due-event queue on the
// simulated clock. An Action is raised through Dispatch; a timer that falls
// due while its own Action is still running (waiting inside) is held back.
#include "rt/timer.h"

#include <QTimer>
#include <algorithm>

#include "rt/core/clock.h"
#include "rt/runtime.h"
#include "rt/window.h"

namespace rt {

struct Timer::Impl {
  QTimer* qtimer = nullptr;  // real time
  clock::EventId event = 0;  // simulated clock
  uint64_t order = 0;        // arming order, kept by a repeating timer's ticks
  int64_t due = 0;
  bool running = false;   // the Action has not returned yet
  bool heldBack = false;  // a single shot fell due while the Action ran
  std::shared_ptr<bool> alive = std::make_shared<bool>(true);
};

namespace {
// A repeating timer of Period 0 would fire without end at one instant.
int32_t Interval(int32_t period, int32_t mode) {
  return mode == Timer::kModeMultiple ? std::max(1, period) : std::max(0, period);
}

// A closed window's timers stay off: no Action of a closed window runs, also
// not one armed by a handler that was still running when it closed.
bool OfClosedWindow(const Timer& timer) {
  Ref<rt::Window> window = timer.Window();
  return window && window->IsClosed();
}
}  // namespace

Timer::Timer() : impl_(std::make_unique<Impl>()) {}

Timer::~Timer() {
  *impl_->alive = false;
  clock::Cancel(impl_->event);
  if (impl_->qtimer) {
    impl_->qtimer->stop();
    // It may be the timer whose signal is being delivered right now.
    impl_->qtimer->disconnect();
    impl_->qtimer->deleteLater();
  }
}

void Timer::SetMode(int32_t mode) {
  mode_ = (mode == kModeSingle || mode == kModeMultiple) ? mode : kModeOff;
  impl_->heldBack = false;
  Arm();
}

void Timer::SetPeriod(int32_t milliseconds) {
  period_ = milliseconds;
  // A counting timer starts its count again with the new Period.
  if (mode_ != kModeOff) Arm();
}

void Timer::ApplyProperty(const std::string& key, const PropertyValue& value) {
  if (key == "Mode" || key == "Period") {
    const int32_t* number = std::get_if<int32_t>(&value);
    if (!number) throw PropertyListError("property " + key + " of a Timer takes an integer");
    if (key == "Mode") {
      SetMode(*number);
    } else {
      SetPeriod(*number);
    }
    return;
  }
  PaneChild::ApplyProperty(key, value);
}

void Timer::Arm() {
  clock::Cancel(impl_->event);
  impl_->event = 0;
  if (impl_->qtimer) impl_->qtimer->stop();
  if (OfClosedWindow(*this)) mode_ = kModeOff;
  if (mode_ == kModeOff) return;
  const int32_t interval = Interval(period_, mode_);
  if (clock::Simulated()) {
    impl_->order = clock::NextArmOrder();
    impl_->due = clock::NowMs() + interval;
    impl_->event = clock::Schedule(impl_->due, impl_->order, [this] { Fire(); });
    return;
  }
  if (!impl_->qtimer) {
    impl_->qtimer = new QTimer;
    impl_->qtimer->setTimerType(Qt::PreciseTimer);
    QObject::connect(impl_->qtimer, &QTimer::timeout, impl_->qtimer, [this] { Fire(); });
  }
  impl_->qtimer->setSingleShot(mode_ == kModeSingle);
  impl_->qtimer->start(interval);
}

void Timer::Fire() {
  impl_->event = 0;
  if (OfClosedWindow(*this)) {
    // Closed while this was due (its Close handler waits, say).
    mode_ = kModeOff;
    if (impl_->qtimer) impl_->qtimer->stop();
  }
  if (mode_ == kModeOff) return;
  if (mode_ == kModeMultiple && clock::Simulated()) {
    // The next tick keeps the cadence and the timer's place among ties.
    impl_->due += Interval(period_, mode_);
    impl_->event = clock::Schedule(impl_->due, impl_->order, [this] { Fire(); });
  }
  if (impl_->running) {
    // Not again while the Action waits inside; a single shot fires as soon
    // as it returns, a repeating timer at its next tick.
    if (mode_ == kModeSingle) impl_->heldBack = true;
    return;
  }
  if (mode_ == kModeSingle) mode_ = kModeOff;

  // Keep the timer alive through its Action, which may drop the last
  // reference to it (closing its window).
  std::shared_ptr<Timer> self;
  if (auto object = weak_from_this().lock()) self = std::static_pointer_cast<Timer>(object);
  std::shared_ptr<bool> alive = impl_->alive;
  impl_->running = true;
  Dispatch([&] { Action.Raise(Ref<Timer>(self)); });
  if (!*alive) return;
  impl_->running = false;
  if (impl_->heldBack) {
    impl_->heldBack = false;
    if (mode_ == kModeSingle) {
      if (clock::Simulated()) {
        impl_->order = clock::NextArmOrder();
        impl_->due = clock::NowMs();
        impl_->event = clock::Schedule(impl_->due, impl_->order, [this] { Fire(); });
      } else if (impl_->qtimer) {
        impl_->qtimer->start(0);
      }
    }
  }
}

}  // namespace rt
