// Timers on the runtime's clock (Qt's precise timers in real time; virtual
// milliseconds on the simulated clock of rt/testing/driver.h).
#pragma once

#include <cstdint>
#include <memory>

#include "rt/controls.h"
#include "rt/event.h"

namespace rt {

class Timer : public PaneChild {
 public:
  enum : int32_t { kModeOff = 0, kModeSingle = 1, kModeMultiple = 2 };

  Timer();
  ~Timer() override;
  void Constructor() {}

  int32_t Mode() const { return mode_; }
  // 0 stops the timer; 1 fires once after Period (then Mode reads 0); 2
  // fires every Period (at least 1 ms). Any other value stops it too.
  // Setting 1 or 2 (re)starts the count from now, also while it is counting.
  // The timers of a closed window stay off.
  void SetMode(int32_t mode);
  int32_t Period() const { return period_; }
  // A counting timer starts its count again with the new Period.
  void SetPeriod(int32_t milliseconds);

  // Runs on the event loop, through Dispatch. A timer whose Action is still
  // running (it waits inside) does not fire again until it returns: a
  // repeating timer skips the ticks that fall in the wait, a single shot that
  // fell due meanwhile fires as soon as the Action has returned.
  Event<void(Ref<Timer>)> Action;

  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 private:
  void Arm();
  void Fire();
  struct Impl;
  std::unique_ptr<Impl> impl_;
  int32_t mode_ = kModeOff, period_ = 1000;
};

}  // namespace rt
