// The process's QApplication. It sees every key press before any widget: the
// window's KeyDown comes first, whichever control has the focus; then
// Return and Escape press the window's Default and Cancel buttons, and
// Escape closes a small window that has no Cancel button.
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QRadioButton>

#include "rt/controls.h"
#include "rt/core/internal.h"
#include "rt/core/window_parts.h"
#include "rt/runtime.h"
#include "rt/window.h"

namespace rt::core {
namespace {

Ref<PushButton> ButtonFor(const Window& window, bool wantDefault) {
  for (const Ref<Control>& c : window.Controls()) {
    auto button = std::dynamic_pointer_cast<PushButton>(c.shared());
    if (!button) continue;
    if (!(wantDefault ? button->Default() : button->Cancel())) continue;
    QWidget* w = button->widget();
    if (!w || !button->Visible() || !button->Enabled() || !w->isEnabled()) continue;
    if (!w->isVisibleTo(w->window())) continue;
    return Ref<PushButton>(button);
  }
  return nullptr;
}

// True when the press is taken and must go no further.
bool RouteKeyPress(QWidget* receiver, const QKeyEvent& event) {
  Ref<Window> window = WindowOfWidget(receiver);
  if (!window || window->IsClosed() || WindowAccess::Constructing(*window)) return false;
  const std::string text = event.text().toStdString();
  bool consumed = false;
  Dispatch([&] { consumed = WindowAccess::KeyDown(*window, text); });
  if (consumed || window->IsClosed()) return true;
  Ref<PushButton> button;
  if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
    button = ButtonFor(*window, true);
  } else if (event.key() == Qt::Key_Escape) {
    button = ButtonFor(*window, false);
    // A small window that cannot be minimised (an information window) and
    // has no Cancel button closes on Escape, as its close box would close it.
    if (!button && !window->MinimizeButton() && window->CloseButton()) {
      Dispatch([window] { window->Close(); });
      return true;
    }
  }
  if (!button) return false;
  Dispatch([button] { button->Push(); });
  return true;
}

// True when the event must go no further.
bool RouteEvent(QObject* receiver, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::ApplicationDeactivate) {
    ClearKeys();  // releases while another program has the keyboard are never seen
    return false;
  }
  if ((type != QEvent::KeyPress && type != QEvent::KeyRelease &&
       type != QEvent::ShortcutOverride) ||
      !receiver->isWidgetType())
    return false;
  auto* key = static_cast<QKeyEvent*>(event);
  auto* widget = static_cast<QWidget*>(receiver);
  if (type == QEvent::ShortcutOverride) {
    // A menu shortcut may follow: the application enables its items first.
    const bool modifierAlone = key->key() == Qt::Key_Control || key->key() == Qt::Key_Alt ||
                               key->key() == Qt::Key_Meta || key->key() == Qt::Key_Shift;
    if (!modifierAlone &&
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
      Ref<Window> window = WindowOfWidget(widget);
      if (window && window->MenuBar()) RunEnableMenuItems();
    }
    return false;
  }
  NoteKeyEvent(*key);
  if (type == QEvent::KeyPress && RouteKeyPress(widget, *key)) return true;
  // A radio button never takes Space as a click.
  return key->key() == Qt::Key_Space && qobject_cast<QRadioButton*>(widget);
}

// Ours sees each event once, before Qt hands a key from widget to parent.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv) : QApplication(argc, argv) {}

  bool notify(QObject* receiver, QEvent* event) override {
    if (RouteEvent(receiver, event)) return true;
    return QApplication::notify(receiver, event);
  }
};

// For a QApplication made by someone else: an application event filter. It
// sees a key again at each parent it is handed to, so it takes the key at
// its first stop only, the focus widget (or the window when none has it).
class KeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
        event->type() == QEvent::ShortcutOverride) {
      QWidget* first = QApplication::focusWidget();
      if (!first) first = QApplication::activeWindow();
      if (watched != first) return false;
    }
    return RouteEvent(watched, event);
  }
};

}  // namespace

QApplication* MakeApplication(int& argc, char** argv) {
  return new Application(argc, argv);
}

void RouteKeysOf(QApplication* app) {
  if (!app || dynamic_cast<Application*>(app)) return;  // ours routes them itself
  static QPointer<KeyFilter> filter;
  if (filter) return;
  filter = new KeyFilter(app);
  app->installEventFilter(filter);
}

}  // namespace rt::core
