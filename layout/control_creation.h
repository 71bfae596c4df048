// Creating a window's controls, step by step, one control finished before
// the next: create it, run its constructor and register it under its name;
// for a control that carries text, its text size where one is given and its
// text unit 0; its property list; last, its event bindings, so that no value
// the list sets reaches a handler. Every step fetches the control again by
// name and checks its class: nothing is kept from one step to the next.
#pragma once

#include <string>

#include "layout/property_lists.h"
#include "rt/rt.h"

namespace layout {

// The window's control of that name, checked to be of class T; nil when the
// window has none.
template <class T>
rt::Ref<T> Fetch(const rt::Window& window, const std::string& name) {
  return rt::RuntimeCheckCast<T>(window.ControlByName(name));
}

// A new control of class T (a framework class, or the window's own subclass
// for a timer or the socket), constructed and registered under its name.
template <class T>
void Create(rt::Window& window, const std::string& name) {
  rt::Ref<T> control = window.New<T>();
  control->Constructor();
  window.AddControl(name, control);
}

// The text size where one is given (0: none), then the unit 0.
template <class T>
void SetTextSizeAndUnit(rt::Window& window, const std::string& name, float size) {
  if (size != 0) Fetch<T>(window, name)->SetTextSize(size);
  Fetch<T>(window, name)->SetTextUnit(0);
}

template <class T>
void Apply(rt::Window& window, const std::string& name, const rt::PropertyList& list) {
  rt::SetProperties(Fetch<T>(window, name), list);
}

// Binds the control's `event` (a member of its class, such as
// &rt::Timer::Action) to the window's handler method, the window held weakly.
template <class T, class W, class Event, class Handler>
void Bind(W& window, const std::string& name, Event event, Handler handler) {
  rt::RuntimeAddEventHandler((*Fetch<T>(window, name)).*event,
                             rt::RuntimeCreateDelegate(handler, rt::SelfRef(&window)));
}

// A label: created, its text size and unit, its list. Its Open, where the
// window handles it, is bound by the caller.
void MakeLabel(rt::Window& window, const LabelValues& label);

// A push button (never given a text size), its Action bound to `action`.
template <class W>
void MakePushButton(W& window, const PushButtonValues& button,
                    void (W::*action)(rt::Ref<rt::PushButton>)) {
  Create<rt::PushButton>(window, button.name);
  SetTextSizeAndUnit<rt::PushButton>(window, button.name, 0);
  Apply<rt::PushButton>(window, button.name, PushButtonList(button));
  Bind<rt::PushButton>(window, button.name, &rt::PushButton::Action, action);
}

}  // namespace layout
