// RadioButton and PushButton.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "rt/controls.h"
#include "rt/core/internal.h"
#include "rt/runtime.h"
#include "rt/window.h"

namespace rt {

namespace core {

// The runtime keeps the group itself (radio buttons with the same parent
// control), so Qt's own exclusivity is off. Every way of choosing the button
// (a click, an arrow key, an accessibility action, anything that sets it
// checked) goes through the runtime's choice: the group is cleared and
// Action raised as for a click.
class RadioWidget : public QRadioButton {
  Q_OBJECT

 public:
  RadioWidget(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
    setAutoExclusive(false);
  }
  std::weak_ptr<RadioButton> owner;

  // A change of the check mark by the runtime itself, not a choice.
  void Show(bool checked) {
    const bool was = runtimeWrite_;
    runtimeWrite_ = true;
    setChecked(checked);
    runtimeWrite_ = was;
  }

 protected:
  // A click always selects; its clicked() makes the choice.
  void nextCheckState() override { Show(true); }
  // Qt's setChecked from anywhere but a click (toggle() among others).
  void checkStateSet() override;
  // The whole control takes the click, not only the circle and its caption.
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Space) {
      event->ignore();
      return;
    }
    QRadioButton::keyReleaseEvent(event);
  }

 private:
  bool runtimeWrite_ = false;
};

namespace {

// Reported to assistive technology as a radio button (Qt reports a checkable
// button without its exclusivity as a check box), and its actions choose the
// button as a click does (Qt's toggle action would only flip the mark).
class RadioAccessible : public QAccessibleWidget {
 public:
  explicit RadioAccessible(RadioWidget* w) : QAccessibleWidget(w, QAccessible::RadioButton) {}

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = Button()->isChecked();
    return s;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      QString name = Button()->text();
      name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
      name.remove(QChar('&'));
      name.replace(QChar('\x01'), QChar('&'));
      return name;
    }
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override {
    QStringList names;
    if (widget()->isEnabled()) names << toggleAction() << pressAction();
    return names + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == toggleAction() || action == pressAction()) {
      Button()->click();  // does nothing on a disabled button
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  RadioWidget* Button() const { return static_cast<RadioWidget*>(widget()); }
};

QAccessibleInterface* RadioAccessibleFactory(const QString&, QObject* object) {
  if (auto* w = qobject_cast<RadioWidget*>(object)) return new RadioAccessible(w);
  return nullptr;
}

}  // namespace
}  // namespace core

struct RadioAccess {
  static void Clicked(RadioButton& button) {
    button.Select(false);
    Ref<RadioButton> ref = SelfRef(&button);
    Dispatch([ref] { ref->Action.Raise(ref); });
  }

  // The next (or previous) button of the group that can be chosen, in Tab
  // order, round the group; nil when there is no other.
  static Ref<RadioButton> Neighbour(const RadioButton& button, bool forward) {
    std::vector<Ref<RadioButton>> group = button.Group();
    std::erase_if(group, [&](const Ref<RadioButton>& other) {
      QWidget* w = other->widget();
      return other.get() != &button && (!w || !w->isVisibleTo(w->window()) || !w->isEnabled());
    });
    std::stable_sort(group.begin(), group.end(),
                     [](const auto& a, const auto& b) { return a->TabIndex() < b->TabIndex(); });
    const auto at =
        std::find_if(group.begin(), group.end(), [&](const auto& r) { return r.get() == &button; });
    if (group.size() < 2 || at == group.end()) return nullptr;
    const size_t i = static_cast<size_t>(at - group.begin());
    return group[(i + (forward ? 1 : group.size() - 1)) % group.size()];
  }
};

namespace core {

void RadioWidget::checkStateSet() {
  std::shared_ptr<RadioButton> button = owner.lock();
  if (runtimeWrite_ || !button) return;
  if (BlockedByModal(this)) {
    Show(button->Value());  // nothing behind a modal window is chosen
    return;
  }
  if (isChecked()) {
    RadioAccess::Clicked(*button);
  } else {
    Show(true);  // a chosen button is left only by choosing another
  }
}

void RadioWidget::keyPressEvent(QKeyEvent* event) {
  bool forward = true;
  switch (event->key()) {
    case Qt::Key_Space:  // the window's key: never chooses a button
      event->ignore();
      return;
    case Qt::Key_Left:
    case Qt::Key_Up:
      forward = false;
      [[fallthrough]];
    case Qt::Key_Right:
    case Qt::Key_Down: {
      // The arrows choose within the group, as a click on the next button.
      std::shared_ptr<RadioButton> button = owner.lock();
      Ref<RadioButton> next = button ? RadioAccess::Neighbour(*button, forward) : nullptr;
      if (!next) break;
      QWidget* w = next->widget();
      w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      static_cast<RadioWidget*>(w)->click();
      return;
    }
    default:
      break;
  }
  QRadioButton::keyPressEvent(event);
}

}  // namespace core

// --- RadioButton ----------------------------------------------------------------------

QWidget* RadioButton::MakeWidget(QWidget* parent) {
  core::InstallAccessibleFactory(&core::RadioAccessibleFactory);
  auto* w = new core::RadioWidget(core::DisplayText(caption_), parent);
  w->Show(value_);
  w->setFont(core::MakeFont(TextFont(), TextSize(), Bold(), Italic(), Underline()));
  w->owner = core::WeakSelf(this);
  std::weak_ptr<RadioButton> weak = w->owner;
  QObject::connect(w, &QAbstractButton::clicked, w, [weak, w] {
    std::shared_ptr<RadioButton> button = weak.lock();
    if (!button) return;
    if (core::BlockedByModal(w)) {
      w->Show(button->Value());  // what a click could not choose stays as it was
      return;
    }
    RadioAccess::Clicked(*button);
  });
  return w;
}

void RadioButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (auto* w = dynamic_cast<QRadioButton*>(widget())) w->setText(core::DisplayText(caption));
}

bool RadioButton::Value() const {
  return value_;
}

namespace {

void ShowChecked(QWidget* widget, bool checked) {
  if (auto* w = dynamic_cast<core::RadioWidget*>(widget)) w->Show(checked);
}

}  // namespace

std::vector<Ref<RadioButton>> RadioButton::Group() const {
  std::vector<Ref<RadioButton>> group;
  Ref<rt::Window> window = Window();
  if (!window) return group;
  const RectControl* parent = Parent().get();
  for (const Ref<Control>& c : window->Controls()) {
    auto other = std::dynamic_pointer_cast<RadioButton>(c.shared());
    if (other && other->Parent().get() == parent) group.emplace_back(std::move(other));
  }
  return group;
}

void RadioButton::ClearRestOfGroup() {
  for (const Ref<RadioButton>& other : Group()) {
    if (other.get() == this) continue;
    other->value_ = false;
    ShowChecked(other->widget(), false);
  }
}

void RadioButton::Select(bool raiseAction) {
  value_ = true;
  ShowChecked(widget(), true);
  ClearRestOfGroup();
  if (raiseAction) Action.Raise(SelfRef(this));
}

void RadioButton::SetValue(bool selected) {
  if (selected) {
    Select(true);
    return;
  }
  value_ = false;
  ShowChecked(widget(), false);
}

void RadioButton::ApplyProperty(const std::string& key, const PropertyValue& value) {
  using namespace core;
  if (key == "Caption") {
    SetCaption(AsText(key, value));
  } else if (key == "Value") {
    // The list's selection is a state, not a click: no Action. The rest of
    // the group is cleared when the list ends: the lists give Value before
    // InitialParent, which decides the group.
    value_ = AsBool(key, value);
    ShowChecked(widget(), value_);
  } else {
    TextControl::ApplyProperty(key, value);
  }
}

void RadioButton::ListApplied() {
  if (value_) ClearRestOfGroup();  // the button this list leaves selected wins its group
  TextControl::ListApplied();
}

// --- PushButton -----------------------------------------------------------------------

QWidget* PushButton::MakeWidget(QWidget* parent) {
  auto* w = new QPushButton(core::DisplayText(caption_), parent);
  w->setAutoDefault(false);  // the window presses Default and Cancel itself
  w->setDefault(default_);
  w->setFont(core::MakeFont(TextFont(), TextSize(), Bold(), Italic(), Underline()));
  std::weak_ptr<PushButton> weak = core::WeakSelf(this);
  QObject::connect(w, &QAbstractButton::clicked, w, [weak, w] {
    std::shared_ptr<PushButton> button = weak.lock();
    if (!button || core::BlockedByModal(w)) return;
    Ref<PushButton> ref(button);
    Dispatch([ref] { ref->Action.Raise(ref); });
  });
  return w;
}

void PushButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (auto* w = dynamic_cast<QPushButton*>(widget())) w->setText(core::DisplayText(caption));
}

void PushButton::SetDefault(bool d) {
  default_ = d;
  if (auto* w = dynamic_cast<QPushButton*>(widget())) w->setDefault(d);
}

void PushButton::SetCancel(bool c) {
  cancel_ = c;
}

void PushButton::Push() {
  if (!Enabled()) return;  // a disabled button cannot be pressed
  Action.Raise(SelfRef(this));
}

void PushButton::ApplyProperty(const std::string& key, const PropertyValue& value) {
  using namespace core;
  if (key == "Caption") {
    SetCaption(AsText(key, value));
  } else if (key == "Default") {
    SetDefault(AsBool(key, value));
  } else if (key == "Cancel") {
    SetCancel(AsBool(key, value));
  } else if (key == "ButtonStyle") {
    (void)AsInt(key, value);
  } else {
    TextControl::ApplyProperty(key, value);
  }
}

}  // namespace rt

#include "controls_buttons.moc"
