// Windows: the registry of living windows and implicit instances, the frame
// and content widgets, construction, showing (also modally) and closing.
// What a modal window blocks and which window a box belongs to are in
// rt/core/modality.cpp; the content area's palette in rt/core/palette.cpp.
#include "rt/window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QPointer>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "rt/core/internal.h"
#include "rt/core/modal_host.h"
#include "rt/core/window_parts.h"
#include "rt/http.h"
#include "rt/menu.h"
#include "rt/runtime.h"
#include "rt/timer.h"

namespace rt {
namespace {

struct Registry {
  // The living instance of each window class, by class name.
  std::vector<std::pair<std::string, Ref<Window>>> implicit;
  // Every living window, in creation order. The registry owns the windows:
  // the program keeps no reference of its own.
  std::vector<Ref<Window>> living;
};

Registry& Reg() {
  static auto* registry = new Registry;  // never destroyed: no widget work at exit
  return *registry;
}

void Register(const Ref<Window>& window) {
  auto& implicit = Reg().implicit;
  auto it = std::find_if(implicit.begin(), implicit.end(),
                         [&](const auto& e) { return e.first == window->ClassName(); });
  if (it != implicit.end()) {
    it->second = window;
  } else {
    implicit.emplace_back(window->ClassName(), window);
  }
  Reg().living.push_back(window);
}

void Unregister(const Window* window) {
  auto& implicit = Reg().implicit;
  implicit.erase(std::remove_if(implicit.begin(), implicit.end(),
                                [&](const auto& e) { return e.second.get() == window; }),
                 implicit.end());
  auto& living = Reg().living;
  living.erase(std::remove_if(living.begin(), living.end(),
                              [&](const Ref<Window>& w) { return w.get() == window; }),
               living.end());
}

QColor ToQColor(Color c) {
  return QColor(c.red, c.green, c.blue);
}

}  // namespace

namespace core {
namespace {

// A window's frame to assistive technology: a plain top-level QWidget would
// be a "filler"; ours is a window, or a dialog while it is modal, named by
// its title.
// The status bar that carries a window's news to assistive technology: it
// has no widget and draws nothing, so the window looks as it did; Orca's
// status bar command reads it out (Qt 6.4 has no way to have a screen
// reader speak news unasked).
class NewsAccessible : public QAccessibleInterface {
 public:
  explicit NewsAccessible(TopWidget* top) : top_(top) {}
  bool isValid() const override { return top_ && !top_->news.isEmpty(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return top_ ? top_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return top_ ? QAccessible::queryAccessibleInterface(top_.data()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && top_ ? top_->news : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!top_) return {};
    // The window's bottom edge, where a status bar would be.
    const QRect frame(top_->mapToGlobal(QPoint(0, 0)), top_->size());
    return QRect(frame.left(), frame.bottom(), frame.width(), 1);
  }
  QAccessible::Role role() const override { return QAccessible::StatusBar; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = !top_ || !top_->isVisible();
    s.readOnly = true;
    return s;
  }

 private:
  QPointer<TopWidget> top_;
};

class TopAccessible : public QAccessibleWidget {
 public:
  explicit TopAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
  QAccessible::Role role() const override {
    return widget()->isModal() ? QAccessible::Dialog : QAccessible::Window;
  }
  // The news bar, when there is news, comes after the window's own children.
  int childCount() const override { return QAccessibleWidget::childCount() + (News() ? 1 : 0); }
  QAccessibleInterface* child(int index) const override {
    if (QAccessibleInterface* news = News(); news && index == QAccessibleWidget::childCount())
      return news;
    return QAccessibleWidget::child(index);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (QAccessibleInterface* news = News(); news && child == news)
      return QAccessibleWidget::childCount();
    return QAccessibleWidget::indexOfChild(child);
  }

 private:
  QAccessibleInterface* News() const {
    auto* top = static_cast<TopWidget*>(widget());
    if (top->news.isEmpty()) return nullptr;
    if (!top->newsId) top->newsId = QAccessible::registerAccessibleInterface(new NewsAccessible(top));
    return QAccessible::accessibleInterface(top->newsId);
  }
};

QAccessibleInterface* TopAccessibleFor(const QString&, QObject* object) {
  if (auto* w = dynamic_cast<TopWidget*>(object)) return new TopAccessible(w);
  return nullptr;
}

}  // namespace

TopWidget::TopWidget(std::weak_ptr<Window> owner)
    : QWidget(nullptr, Qt::Window), owner_(std::move(owner)) {
  InstallAccessibleFactory(TopAccessibleFor);
}

TopWidget::~TopWidget() {
  if (newsId) QAccessible::deleteAccessibleInterface(newsId);
}

void TopWidget::closeEvent(QCloseEvent* event) {
  // The runtime closes the window itself, so that the close box and
  // Window::Close do the same.
  event->ignore();
  Ref<Window> window(owner_.lock());
  if (window && !window->IsClosed()) Dispatch([window] { window->Close(); });
}

void ContentWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (resized) resized(event->size());
}

void ContentWidget::SetFace(const QColor& face) {
  face_ = face;
  setPalette(PaletteForFace(face, QApplication::palette()));
}

void ContentWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // The desktop switched its scheme while the window is open.
  if (event->type() == QEvent::ApplicationPaletteChange) SetFace(face_);
}

Ref<Window> WindowOfWidget(const QWidget* widget) {
  if (!widget) return nullptr;
  const auto* top = dynamic_cast<const TopWidget*>(widget->window());
  if (!top) return nullptr;
  return Ref<Window>(top->owner().lock());
}

void DropAllWindows() {
  std::vector<Ref<Window>> living = Reg().living;
  Reg().implicit.clear();
  Reg().living.clear();
  for (const Ref<Window>& w : living) WindowAccess::Dispose(*w);
}

}  // namespace core

namespace {

void ApplyFlags(Window& w, QWidget* top) {
  // A modal window is a dialog to the window system, which then keeps it
  // above the window it belongs to (its transient parent).
  Qt::WindowFlags flags = (top->isModal() ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (w.CloseButton()) flags |= Qt::WindowCloseButtonHint;
  if (w.MinimizeButton()) flags |= Qt::WindowMinimizeButtonHint;
  if (w.MaximizeButton() && w.Resizeable()) flags |= Qt::WindowMaximizeButtonHint;
  if (top->windowFlags() == flags) return;
  const bool shown = top->isVisible();
  top->setWindowFlags(flags);  // hides a shown window
  if (shown) top->show();
}

}  // namespace

void WindowAccess::EnsureWidgets(Window& w) {
  Window::Impl& I = *w.impl_;
  if (I.top || w.closed_) return;
  std::weak_ptr<Window> weak;
  if (auto shared = w.weak_from_this().lock()) weak = std::static_pointer_cast<Window>(shared);
  I.top = new core::TopWidget(weak);
  I.layout = new QVBoxLayout(I.top);
  I.layout->setContentsMargins(0, 0, 0, 0);
  I.layout->setSpacing(0);
  I.content = new core::ContentWidget(I.top);
  I.content->setAutoFillBackground(true);
  I.layout->addWidget(I.content);
  Window* raw = &w;
  I.content->resized = [raw](QSize size) {
    if (!raw->resizeable_) return;  // a fixed window keeps its given size
    raw->width_ = size.width();
    raw->height_ = size.height();
  };
  I.top->setWindowTitle(QString::fromStdString(w.title_));
  I.top->setWindowIcon(core::AppIcon());  // also where the application is not ours
  w.SetBackColor(w.backColor_);
  w.SetWidth(w.width_);
  if (w.menuBar_) w.SetMenuBar(w.menuBar_);
  ApplyFlags(w, I.top);
}

void WindowAccess::Dispose(Window& w) {
  Window::Impl& I = *w.impl_;
  w.closed_ = true;
  w.visible_ = false;
  // The C++ window may outlive its close (a handler still holds it): its
  // timers and sockets must raise nothing from now on.
  for (const Ref<Control>& control : w.controls_) {
    if (auto* timer = dynamic_cast<Timer*>(control.get())) {
      timer->SetMode(Timer::kModeOff);
    } else if (auto* socket = dynamic_cast<HTTPSocket*>(control.get())) {
      core::AbortRequest(*socket);
    }
  }
  if (I.content) I.content->resized = nullptr;
  if (I.top) {
    const bool hadKeyboard = I.top->isActiveWindow();
    I.top->hide();
    I.top->deleteLater();  // a handler of the window may still be running
    if (hadKeyboard) core::ReturnFocusTo(core::ModalOwner(I.top));
  }
  for (QEventLoop* loop : I.loops) loop->quit();
}

Window::Window(std::string className)
    : impl_(std::make_unique<Impl>()), className_(std::move(className)) {}

Window::~Window() {
  if (impl_->content) impl_->content->resized = nullptr;
  if (impl_->top) impl_->top->deleteLater();
}

void Window::Constructor() {
  if (constructed_ || impl_->constructing || closed_) return;
  Ref<Window> self = SelfRef(this);
  WindowAccess::EnsureWidgets(*this);
  // Found by the accessor from here on, also by the window's own Open.
  Register(self);
  impl_->constructing = true;
  try {
    Layout();
    CreateControls();
    constructed_ = true;
    if (!closed_) Event_Open();
    for (const Ref<Control>& control : std::vector<Ref<Control>>(controls_)) {
      if (closed_) break;
      if (auto* label = dynamic_cast<Label*>(control.get()))
        label->Open.Raise(Ref<Label>(std::static_pointer_cast<Label>(control.shared())));
    }
  } catch (...) {
    impl_->constructing = false;
    Unregister(this);
    WindowAccess::Dispose(*this);
    throw;
  }
  impl_->constructing = false;
  if (!closed_ && visible_) Show();
}

void Window::AddControl(const std::string& name, const Ref<Control>& control) {
  if (!control) throw NilObjectException("AddControl: nil control");
  if (name.empty()) throw RuntimeException("AddControl: a control needs a name");
  if (ControlByName(name))
    throw RuntimeException("AddControl: the window has a control named " + name);
  control->name_ = name;
  control->window_ = std::static_pointer_cast<Window>(shared_from_this());
  controls_.push_back(control);
}

Ref<Control> Window::ControlByName(const std::string& name) const {
  for (const Ref<Control>& c : controls_)
    if (c->Name() == name) return c;
  return nullptr;
}

std::vector<Ref<Control>> Window::Controls() const {
  return controls_;
}

void Window::Show() {
  if (closed_) return;
  WindowAccess::EnsureWidgets(*this);
  visible_ = true;
  if (!impl_->top) return;
  impl_->top->show();
  static const bool canRaise = QGuiApplication::platformName() != QLatin1String("offscreen");
  if (canRaise) impl_->top->raise();  // the offscreen platform only warns
  impl_->top->activateWindow();
}

void Window::ShowModal() {
  if (closed_ || QuitRequested()) return;
  Ref<Window> self = SelfRef(this);  // the caller may hold no reference of its own
  WindowAccess::EnsureWidgets(*this);
  if (QWidget* top = impl_->top;
      top && (top->windowModality() != Qt::ApplicationModal || !top->isVisible())) {
    QWidget* owner = core::ModalOwner(top);
    if (top->isVisible()) top->hide();  // modality and the owner take effect when shown
    top->setWindowModality(Qt::ApplicationModal);
    ApplyFlags(*this, top);
    top->winId();  // its QWindow, to carry the owner
    top->windowHandle()->setTransientParent(owner ? owner->windowHandle() : nullptr);
  }
  Show();
  core::CurrentModalHost().WaitModal(*this);
  core::ClearKeys();  // releases while it had the keyboard may not have reached us
}

void WindowAccess::RunModalLoops(Window& w) {
  while (!w.closed_ && !QuitRequested()) {
    QEventLoop loop;
    w.impl_->loops.push_back(&loop);
    core::PushLoop(&loop);
    loop.exec();
    core::PopLoop(&loop);
    auto& loops = w.impl_->loops;
    loops.erase(std::find(loops.begin(), loops.end(), &loop));
  }
}

void Window::Close() {
  if (closed_) return;
  Ref<Window> self = SelfRef(this);  // leaving the registry may drop the last reference
  closed_ = true;
  Unregister(this);
  try {
    Event_Close();
  } catch (...) {
    WindowAccess::Dispose(*this);
    throw;
  }
  WindowAccess::Dispose(*this);
}

void Window::Refresh(bool eraseBackground) {
  (void)eraseBackground;
  // Nothing to redraw: every control, and the window's own colour, schedule
  // their repaint when what they show changes, and Qt repaints what the
  // window system lost. A redraw of the whole window would put back the
  // same pixels, and the game asks for one ten times a second for ever.
}

void Window::Announce(const std::string& text) {
  QWidget* top = impl_->top;
  if (!top || closed_) return;
  QWidget* focus = top->focusWidget();
  QWidget* holder = focus ? focus : top;
  // Only the newest news stays on a control.
  if (impl_->announcer && impl_->announcer != holder)
    impl_->announcer->setAccessibleDescription({});
  impl_->announcer = holder;
  const QString news = core::DisplayText(text);
  // Qt 6.4's bridge hands Orca the object in place of the new description,
  // which Orca cannot speak at once; it reads the description when the
  // control next gets the focus.
  holder->setAccessibleDescription(news);
  // And the window's news bar, where Orca's status bar command reads it.
  auto* frame = static_cast<core::TopWidget*>(top);
  const bool had = !frame->news.isEmpty();
  frame->news = news;
  if (!had && QAccessible::isActive()) {
    QAccessibleEvent added(top, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&added);
  }
}

void Window::SetMenuBar(const Ref<rt::MenuBar>& bar) {
  menuBar_ = bar;
  Impl& I = *impl_;
  if (!I.top) return;
  if (I.bar) {
    I.layout->setMenuBar(nullptr);
    delete I.bar.data();
  }
  if (bar) {
    auto* qbar = new QMenuBar(I.top);
    qbar->setNativeMenuBar(false);  // the same bar on every desktop, inside the window
    core::FillMenuBar(bar, qbar);
    I.layout->setMenuBar(qbar);
    I.bar = qbar;
  }
  SetWidth(width_);  // the frame grows by the bar; the content area keeps its size
}

void Window::SetTitle(const std::string& title) {
  title_ = title;
  if (impl_->top) impl_->top->setWindowTitle(QString::fromStdString(title));
}

void Window::SetWidth(int32_t w) {
  width_ = std::max<int32_t>(w, 0);
  Impl& I = *impl_;
  if (!I.content) return;
  const QSize size(width_, height_);
  I.content->wanted = size;
  if (!resizeable_) {
    I.content->setFixedSize(size);
    I.layout->setSizeConstraint(QLayout::SetFixedSize);
  } else {
    I.content->setMinimumSize(0, 0);
    I.content->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    I.layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    I.content->updateGeometry();
    I.layout->activate();
    I.top->resize(I.top->sizeHint());
  }
}

void Window::SetHeight(int32_t h) {
  height_ = std::max<int32_t>(h, 0);
  SetWidth(width_);
}

void Window::SetVisible(bool v) {
  visible_ = v;
  if (!constructed_ || impl_->constructing || closed_) return;  // construction shows it
  if (v) {
    Show();
  } else if (impl_->top) {
    impl_->top->hide();
  }
}

void Window::SetBackColor(Color c) {
  backColor_ = c;
  if (impl_->content) impl_->content->SetFace(ToQColor(c));
}

void Window::ApplyProperty(const std::string& key, const PropertyValue& value) {
  using namespace core;
  auto setFlag = [&](bool& flag) {
    flag = AsBool(key, value);
    if (impl_->top) {
      ApplyFlags(*this, impl_->top);
      SetWidth(width_);
    }
  };
  if (key == "Width") {
    SetWidth(AsInt(key, value));
  } else if (key == "Height") {
    SetHeight(AsInt(key, value));
  } else if (key == "Title") {
    SetTitle(AsText(key, value));
  } else if (key == "Visible") {
    SetVisible(AsBool(key, value));
  } else if (key == "BackColor") {
    SetBackColor(AsColour(key, value));
  } else if (key == "Resizeable") {
    setFlag(resizeable_);
  } else if (key == "MaximizeButton") {
    setFlag(maximizeButton_);
  } else if (key == "MinimizeButton") {
    setFlag(minimizeButton_);
  } else if (key == "CloseButton") {
    setFlag(closeButton_);
  } else if (key == "Placement" || key == "MinWidth" || key == "MinHeight" || key == "MaxWidth" ||
             key == "MaxHeight" || key == "Frame" || key == "MacProcID") {
    (void)AsInt(key, value);  // placement and frame kinds are the desktop's
  } else if (key == "Composite" || key == "HasBackColor" || key == "FullScreen" ||
             key == "MenuBarVisible" || key == "LiveResize") {
    (void)AsBool(key, value);
  } else {
    throw PropertyListError("property list: a window does not take the key \"" + key + "\"");
  }
}

QWidget* Window::widget() const {
  return impl_->top.data();
}

QWidget* Window::contentWidget() const {
  WindowAccess::EnsureWidgets(const_cast<Window&>(*this));
  return impl_->content.data();
}

Ref<Window> GetImplicitWindow(const std::string& className) {
  for (const auto& [name, window] : Reg().implicit)
    if (name == className && !window->IsClosed()) return window;
  return nullptr;
}

std::vector<Ref<Window>> LivingWindows() {
  return Reg().living;
}

}  // namespace rt
