// Modal windows and boxes and the windows behind them (rt/core/internal.h):
// whether a window is blocked, which window a new modal box belongs to, and
// giving the keyboard back when it closes.
#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <vector>

#include "rt/core/internal.h"
#include "rt/window.h"

namespace rt::core {

bool ModalShowing() {
  return QApplication::activeModalWidget() != nullptr;
}

bool BlockedByModal(const QWidget* widget) {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !widget) return false;
  const QWidget* top = widget->window();
  // The modal window itself, and whatever was opened over it, are in front.
  for (const QWidget* w = top; w; w = w->parentWidget())
    if (w == modal) return false;
  const QWindow* front = modal->windowHandle();
  for (const QWindow* w = top->windowHandle(); w && front; w = w->transientParent())
    if (w == front) return false;
  return true;
}

QWidget* ModalOwner(const QWidget* except) {
  auto usable = [except](QWidget* w) { return w && w != except && w->isVisible(); };
  if (QWidget* modal = QApplication::activeModalWidget(); usable(modal)) return modal;
  if (QWidget* active = QApplication::activeWindow(); usable(active)) return active;
  const std::vector<Ref<Window>> living = LivingWindows();
  for (auto it = living.rbegin(); it != living.rend(); ++it)
    if (QWidget* w = (*it)->widget(); !(*it)->IsClosed() && usable(w)) return w;
  return nullptr;
}

void ReturnFocusTo(QWidget* owner) {
  if (owner && owner->isVisible() && !owner->isActiveWindow()) owner->activateWindow();
}

}  // namespace rt::core
