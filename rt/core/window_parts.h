// The Qt side of a window: its top-level widget, the content area the
// controls live in, and the runtime's access to the window's hooks
// (rt/core/window.cpp; the content area's palette in rt/core/palette.cpp).
#pragma once

#include <QColor>
#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "rt/window.h"

class QEventLoop;
class QMenuBar;
class QVBoxLayout;

namespace rt::core {

// The window's frame: the close box behaves like Window::Close.
class TopWidget : public QWidget {
 public:
  explicit TopWidget(std::weak_ptr<Window> owner);
  ~TopWidget() override;
  const std::weak_ptr<Window>& owner() const { return owner_; }

  // The window's latest news (Window::Announce), which assistive technology
  // finds in a status bar of the window that only it sees; empty: none.
  QString news;
  // That status bar's accessible interface, once made (0: not yet).
  unsigned newsId = 0;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::weak_ptr<Window> owner_;
};

// The content area: the window's Width x Height, below the menu bar.
class ContentWidget : public QWidget {
 public:
  explicit ContentWidget(QWidget* parent) : QWidget(parent) {}
  QSize sizeHint() const override { return wanted; }
  QSize wanted{100, 100};
  std::function<void(QSize)> resized;
  // Paints the area in a fixed colour, its face, with a palette whose texts
  // and indicators stay readable on it whatever the desktop's colour scheme.
  void SetFace(const QColor& face);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QColor face_{Qt::white};
};

// The palette for controls drawn on the colour `face` (rt/core/palette.cpp):
// the desktop's own where its texts are readable on that colour (a light
// scheme on a light face), else a standard palette as light or dark as the
// face, whose texts stand out from it.
QPalette PaletteForFace(const QColor& face, const QPalette& desktop);

}  // namespace rt::core

namespace rt {

struct Window::Impl {
  QPointer<core::TopWidget> top;
  QPointer<core::ContentWidget> content;
  QPointer<QMenuBar> bar;
  QVBoxLayout* layout = nullptr;   // owned by top
  std::vector<QEventLoop*> loops;  // modal loops waiting for this window
  QPointer<QWidget> announcer;     // the control that carries the latest Announce
  bool constructing = false;
};

struct WindowAccess {
  static bool KeyDown(Window& w, const std::string& key) { return w.Event_KeyDown(key); }
  static bool Constructing(const Window& w) { return w.impl_->constructing; }
  // Makes the window's widgets on first need.
  static void EnsureWidgets(Window& w);
  // Closes without raising Close: stops the window's timers, drops its
  // sockets' requests, hides, schedules the widget's deletion, ends modal
  // loops. The caller takes the window out of the registry.
  static void Dispose(Window& w);
  // The desktop's modal wait: runs the window's own event loop until the
  // window closes or the application quits.
  static void RunModalLoops(Window& w);
};

}  // namespace rt
