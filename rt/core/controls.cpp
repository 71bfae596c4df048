// What every control shares: its window, its widget and geometry in window
// coordinates, the parent named by InitialParent, the Tab order, and the text
// properties (the font itself is matched in rt/core/fonts.cpp).
#include "rt/controls.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <map>
#include <utility>

#include "rt/core/internal.h"
#include "rt/window.h"

namespace rt {

// --- Control ----------------------------------------------------------------------

Ref<rt::Window> Control::Window() const {
  return Ref<rt::Window>(window_.lock());
}

void Control::ApplyProperty(const std::string& key, const PropertyValue& value) {
  (void)value;
  throw PropertyListError("property list: control " + name_ + " does not take the key \"" + key +
                          "\"");
}

void PaneChild::SetWindow(const Ref<rt::Window>& window) {
  AttachWindow(window.weak());
}

// --- RectControl --------------------------------------------------------------------

struct RectControl::Impl {
  QPointer<QWidget> widget;
  std::weak_ptr<RectControl> parent;  // the control InitialParent named
  bool hasParent = false;
  Qt::FocusPolicy ownFocus = Qt::NoFocus;  // the widget kind's own policy
};

RectControl::RectControl() : impl_(std::make_unique<Impl>()) {}

RectControl::~RectControl() {
  // The window's widget owns ours; if the control goes first, its widget goes with it.
  if (impl_ && impl_->widget) impl_->widget->deleteLater();
}

void RectControl::Constructor() {
  Ref<rt::Window> window = Window();
  if (!window) throw NilObjectException("a control is constructed without its window");
  if (!impl_) impl_ = std::make_unique<Impl>();
  if (impl_->widget) return;
  QWidget* content = window->contentWidget();
  if (!content) throw NilObjectException("a control is constructed on a closed window");
  QWidget* w = MakeWidget(content);
  impl_->widget = w;
  impl_->ownFocus = w->focusPolicy();
  ApplyTabStop();
  Place();
  w->setEnabled(enabled_);
  w->setVisible(visible_);
}

QWidget* RectControl::widget() const {
  return impl_ ? impl_->widget.data() : nullptr;
}

Ref<RectControl> RectControl::Parent() const {
  if (!impl_ || !impl_->hasParent) return nullptr;
  return Ref<RectControl>(impl_->parent.lock());
}

void RectControl::Place() {
  QWidget* w = widget();
  if (!w) return;
  int32_t x = left_, y = top_;
  // Qt places a child relative to its parent; ours are in window coordinates.
  if (Ref<RectControl> parent = Parent()) {
    x -= parent->Left();
    y -= parent->Top();
  }
  w->setGeometry(x, y, std::max<int32_t>(width_, 0), std::max<int32_t>(height_, 0));
}

namespace {

// Every control of the window that lies inside `control`, at any depth.
std::vector<RectControl*> Descendants(const RectControl& control) {
  std::vector<RectControl*> out;
  Ref<rt::Window> window = control.Window();
  if (!window) return out;
  for (const Ref<Control>& c : window->Controls()) {
    auto* rc = dynamic_cast<RectControl*>(c.get());
    if (!rc) continue;
    for (Ref<RectControl> p = rc->Parent(); p; p = p->Parent()) {
      if (p.get() == &control) {
        out.push_back(rc);
        break;
      }
    }
  }
  return out;
}

}  // namespace

void RectControl::SetLeft(int32_t v) {
  // Children move with their parent on the screen; their window
  // coordinates follow.
  const int32_t delta = v - left_;
  for (RectControl* child : Descendants(*this)) child->left_ += delta;
  left_ = v;
  Place();
}

void RectControl::SetTop(int32_t v) {
  const int32_t delta = v - top_;
  for (RectControl* child : Descendants(*this)) child->top_ += delta;
  top_ = v;
  Place();
}

void RectControl::SetWidth(int32_t v) {
  width_ = v;
  Place();
}

void RectControl::SetHeight(int32_t v) {
  height_ = v;
  Place();
}

void RectControl::SetVisible(bool v) {
  visible_ = v;
  if (QWidget* w = widget()) w->setVisible(v);
}

void RectControl::SetEnabled(bool v) {
  enabled_ = v;
  if (QWidget* w = widget()) w->setEnabled(v);
}

void RectControl::ApplyTabStop() {
  QWidget* w = widget();
  if (!w) return;
  const int tab = tabStop_ ? (impl_->ownFocus & Qt::TabFocus) : 0;
  w->setFocusPolicy(static_cast<Qt::FocusPolicy>((w->focusPolicy() & ~Qt::TabFocus) | tab));
}

namespace {

// Qt moves the focus on Tab in the order the widgets were created. Ours goes
// by TabIndex among the controls that share a parent (ties by creation
// order), and the controls inside a container take their turns at the
// container's place, before its next sibling. So each control gets a sort
// key: a (TabIndex, creation number) pair for each of its containers,
// outermost first, then its own pair. Sorting the keys the way a dictionary
// sorts words gives the whole Tab order.
void OrderTabChain(const rt::Window& window) {
  const std::vector<Ref<Control>> controls = window.Controls();
  std::map<const Control*, size_t> created;
  for (size_t i = 0; i < controls.size(); ++i) created[controls[i].get()] = i;
  struct Stop {
    std::vector<std::pair<int32_t, size_t>> order;
    QWidget* widget;
  };
  std::vector<Stop> stops;
  for (const Ref<Control>& c : controls) {
    auto* rc = dynamic_cast<RectControl*>(c.get());
    if (!rc || !rc->widget() || !(rc->widget()->focusPolicy() & Qt::TabFocus)) continue;
    Stop stop{{}, rc->widget()};
    for (Ref<RectControl> p = SelfRef(rc); p; p = p->Parent())
      stop.order.insert(stop.order.begin(), {p->TabIndex(), created[p.get()]});
    stops.push_back(std::move(stop));
  }
  std::sort(stops.begin(), stops.end(),
            [](const Stop& a, const Stop& b) { return a.order < b.order; });
  for (size_t i = 1; i < stops.size(); ++i)
    QWidget::setTabOrder(stops[i - 1].widget, stops[i].widget);
}

}  // namespace

void RectControl::ListApplied() {
  QWidget* w = widget();
  Ref<rt::Window> window = Window();
  if (w && window && (w->focusPolicy() & Qt::TabFocus)) OrderTabChain(*window);
}

void RectControl::Refresh(bool eraseBackground) {
  (void)eraseBackground;  // every control paints its own background
  if (QWidget* w = widget()) w->update();
}

void RectControl::ApplyProperty(const std::string& key, const PropertyValue& value) {
  using namespace core;
  if (key == "Left") {
    SetLeft(AsInt(key, value));
  } else if (key == "Top") {
    SetTop(AsInt(key, value));
  } else if (key == "Width") {
    SetWidth(AsInt(key, value));
  } else if (key == "Height") {
    SetHeight(AsInt(key, value));
  } else if (key == "Visible") {
    SetVisible(AsBool(key, value));
  } else if (key == "Enabled") {
    SetEnabled(AsBool(key, value));
  } else if (key == "InitialParent") {
    const std::string& name = AsText(key, value);
    Ref<rt::Window> window = Window();
    if (!window) throw NilObjectException("InitialParent on a control without its window");
    if (!impl_) impl_ = std::make_unique<Impl>();
    QWidget* newParent = window->contentWidget();
    Ref<RectControl> parent;
    if (!name.empty()) {
      parent = std::dynamic_pointer_cast<RectControl>(window->ControlByName(name).shared());
      if (!parent || parent.get() == this || !parent->widget())
        throw PropertyListError("property list: InitialParent \"" + name +
                                "\" is not an earlier visual control of the window");
      for (Ref<RectControl> p = parent->Parent(); p; p = p->Parent())
        if (p.get() == this)
          throw PropertyListError("property list: InitialParent \"" + name +
                                  "\" lies inside this control");
      newParent = parent->widget();
    }
    impl_->parent = parent.shared();
    impl_->hasParent = static_cast<bool>(parent);
    if (QWidget* w = widget()) {
      if (w->parentWidget() != newParent) {
        w->setParent(newParent);  // hides it; stacked above the parent's earlier children
        w->setVisible(visible_);
      }
    }
    Place();
  } else if (key == "Name" || key == "HelpTag") {
    (void)AsText(key, value);  // the name is the one the window registered
  } else if (key == "TabIndex") {
    tabIndex_ = AsInt(key, value);  // the Tab order is made when the list ends
  } else if (key == "TabStop") {
    tabStop_ = AsBool(key, value);
    ApplyTabStop();
  } else if (key == "Index" || key == "TabPanelIndex") {
    (void)AsInt(key, value);
  } else if (key == "LockLeft" || key == "LockTop" || key == "LockRight" || key == "LockBottom" ||
             key == "AutoDeactivate") {
    (void)AsBool(key, value);
  } else {
    Control::ApplyProperty(key, value);
  }
}

// --- TextControl ----------------------------------------------------------------------

void TextControl::SetTextSize(float size) {
  textSize_ = size;
  ApplyFont();
}

void TextControl::SetTextFont(const std::string& font) {
  textFont_ = font;
  ApplyFont();
}

void TextControl::SetBold(bool b) {
  bold_ = b;
  ApplyFont();
}

void TextControl::SetItalic(bool b) {
  italic_ = b;
  ApplyFont();
}

void TextControl::SetUnderline(bool b) {
  underline_ = b;
  ApplyFont();
}

void TextControl::ApplyFont() {
  if (QWidget* w = widget())
    w->setFont(core::MakeFont(textFont_, textSize_, bold_, italic_, underline_));
}

void TextControl::ApplyProperty(const std::string& key, const PropertyValue& value) {
  using namespace core;
  if (key == "TextFont") {
    SetTextFont(AsText(key, value));
  } else if (key == "Bold") {
    SetBold(AsBool(key, value));
  } else if (key == "Italic") {
    SetItalic(AsBool(key, value));
  } else if (key == "Underline") {
    SetUnderline(AsBool(key, value));
  } else {
    RectControl::ApplyProperty(key, value);
  }
}

}  // namespace rt
