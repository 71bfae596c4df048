// Events of controls and the bindings that tie them to a window's handler
// methods. A binding holds its window weakly: it does not keep the window
// alive, and an event that reaches it after the window is gone raises
// NilObjectException instead of calling the handler.
#pragma once

#include <functional>
#include <memory>
#include <utility>

#include "rt/object.h"

namespace rt {

template <class Signature>
class Event;

// One event of one control, with at most one handler. Raising an unbound
// event does nothing and gives the result type's default (false for Boolean).
template <class R, class... Args>
class Event<R(Args...)> {
 public:
  using Handler = std::function<R(Args...)>;

  void Bind(Handler handler) { handler_ = std::move(handler); }
  bool IsBound() const { return static_cast<bool>(handler_); }

  // Calls the handler on the caller's stack; exceptions pass to the caller.
  // The runtime raises events from the event loop through Dispatch
  // (rt/runtime.h), which hands an escaping exception to the exception helper.
  R Raise(Args... args) const {
    if (!handler_) return R();
    Handler keep = handler_;  // the handler may rebind or destroy the event
    return keep(std::forward<Args>(args)...);
  }

 private:
  Handler handler_;
};

// A callable on `method` of `window`, holding the window weakly.
template <class W, class R, class... Args>
std::function<R(Args...)> RuntimeCreateDelegate(R (W::*method)(Args...), const Ref<W>& window) {
  std::weak_ptr<W> weak = window.shared();
  return [weak, method](Args... args) -> R {
    std::shared_ptr<W> target = weak.lock();
    if (!target) throw NilObjectException("event reached a window that no longer exists");
    return ((*target).*method)(std::forward<Args>(args)...);
  };
}

// Attaches a callable to an event of a control.
template <class R, class... Args, class F>
void RuntimeAddEventHandler(Event<R(Args...)>& event, F&& callable) {
  event.Bind(typename Event<R(Args...)>::Handler(std::forward<F>(callable)));
}

}  // namespace rt
