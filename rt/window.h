// Windows and their implicit instances.
//
// A window class derives from Window, passes its registered class name
// ("Window1.Window1") to Window's constructor and overrides the hooks it binds:
// Layout and CreateControls always, Event_Open, Event_Close and Event_KeyDown
// where the class handles them. Window::Constructor registers the window as
// its class's living instance, runs Layout, then CreateControls, then raises
// the Open events (the window's, then each control's in creation order), and
// shows the window when its properties say Visible.
//
// Closing a window takes it out of the registry at once; the C++ object lives
// while anything holds it, and its widget is deleted later, so a handler may
// close the window that runs it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rt/controls.h"
#include "rt/object.h"
#include "rt/proplist.h"

class QWidget;

namespace rt {

class MenuBar;

class Window : public Object {
 public:
  explicit Window(std::string className);
  ~Window() override;

  const std::string& ClassName() const { return className_; }

  // Construction: see the top of this file. Exceptions from the hooks pass
  // to the caller; the half-built window is closed.
  void Constructor();

  // A new control of class T belonging to this window, not yet constructed
  // or registered.
  template <class T>
  Ref<T> New() {
    Ref<T> control = RuntimeNewObject<T>();
    control->window_ = std::static_pointer_cast<Window>(shared_from_this());
    return control;
  }

  // Registers a control under a name unique within the window.
  void AddControl(const std::string& name, const Ref<Control>& control);
  // The window's control of that name, or nil.
  Ref<Control> ControlByName(const std::string& name) const;
  // Every control, in registration order.
  std::vector<Ref<Control>> Controls() const;

  // Shows the window and returns at once.
  void Show();
  // Shows the window modally and returns when it has closed; events run
  // meanwhile in a nested loop.
  void ShowModal();
  // Closes the window: raises Close, hides it, takes it out of the registry,
  // stops its timers and drops its sockets' requests.
  void Close();
  bool IsClosed() const { return closed_; }
  // Redraws the whole window now (eraseBackground: clear it first).
  void Refresh(bool eraseBackground = true);
  // Tells assistive technology `text` as news: a screen reader speaks it at
  // once while the window has the keyboard, as a sighted player sees a
  // change. (Qt 6.4 has no announcement of its own: the text becomes the
  // description of the control with the focus, whose change Orca speaks; an
  // unchanged text is not spoken again.)
  void Announce(const std::string& text);

  Ref<rt::MenuBar> MenuBar() const { return menuBar_; }
  void SetMenuBar(const Ref<rt::MenuBar>& bar);

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  // Size of the content area, without title bar and menu bar.
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetWidth(int32_t w);
  void SetHeight(int32_t h);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color c);
  bool Resizeable() const { return resizeable_; }
  bool MaximizeButton() const { return maximizeButton_; }
  bool MinimizeButton() const { return minimizeButton_; }
  bool CloseButton() const { return closeButton_; }

  virtual void ApplyProperty(const std::string& key, const PropertyValue& value);

  // The top-level widget and the content area the controls live in.
  QWidget* widget() const;
  QWidget* contentWidget() const;

 protected:
  // The class's bound window events. Layout and CreateControls are the
  // construction hooks; the others do nothing unless overridden.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void Event_Open() {}
  virtual void Event_Close() {}
  // Sees every key press in the window first, whichever control has the
  // focus; True consumes the key.
  virtual bool Event_KeyDown(const std::string& key) {
    (void)key;
    return false;
  }

 private:
  friend struct WindowAccess;  // the runtime's own access to the hooks
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string className_;
  std::vector<Ref<Control>> controls_;
  Ref<rt::MenuBar> menuBar_;
  std::string title_;
  int32_t width_ = 100, height_ = 100;
  bool visible_ = false, closed_ = false, constructed_ = false;
  bool resizeable_ = true, maximizeButton_ = true, minimizeButton_ = true, closeButton_ = true;
  Color backColor_ = RGB(0xFFFFFF);
};

// The living window registered under a class name, also while it is being
// constructed; nil when there is none (never a closed one).
Ref<Window> GetImplicitWindow(const std::string& className);

// The implicit-instance accessor of window class W: the living instance, or
// a new one, constructed (and so shown) before it is returned.
template <class W>
Ref<W> ImplicitInstance(const std::string& className) {
  Ref<Window> living = GetImplicitWindow(className);
  if (!living) {
    Ref<W> created = RuntimeNewObject<W>();
    created->Constructor();
    living = created;
  }
  return RuntimeCheckCast<W>(living);
}

// Every living window, in the order they were created.
std::vector<Ref<Window>> LivingWindows();

}  // namespace rt
