// RadioButton and PushButton.
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include "rt/controls.h"
#include "rt/core_internal.h"
#include "rt/runtime.h"
#include "rt/window.h"

namespace rt {

struct RadioAccess {
  static void Clicked(RadioButton& button) {
    button.Select(false);
    Ref<RadioButton> ref = SelfRef(&button);
    Dispatch([ref] { ref->Action.Raise(ref); });
  }
};

namespace {

template <class T>
std::weak_ptr<T> WeakSelf(T* self) {
  if (auto shared = self->weak_from_this().lock()) return std::static_pointer_cast<T>(shared);
  return {};
}

// The runtime keeps the group itself (radio buttons with the same parent
// control), so Qt's own exclusivity is off and a click always selects.
class RadioWidget : public QRadioButton {
 public:
  RadioWidget(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
    setAutoExclusive(false);
    setFocusPolicy(Qt::NoFocus);  // Space must reach the window, never toggle a button
  }

 protected:
  void nextCheckState() override { setChecked(true); }
  // The whole control takes the click, not only the circle and its caption.
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Space) {
      event->ignore();
      return;
    }
    QRadioButton::keyPressEvent(event);
  }
  void keyReleaseEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Space) {
      event->ignore();
      return;
    }
    QRadioButton::keyReleaseEvent(event);
  }
};

}  // namespace

// --- RadioButton ----------------------------------------------------------------------

QWidget* RadioButton::MakeWidget(QWidget* parent) {
  auto* w = new RadioWidget(core::DisplayText(caption_), parent);
  w->setChecked(value_);
  w->setFont(core::MakeFont(TextFont(), TextSize(), Bold(), Italic(), Underline()));
  std::weak_ptr<RadioButton> weak = WeakSelf(this);
  QObject::connect(w, &QAbstractButton::clicked, w, [weak] {
    if (std::shared_ptr<RadioButton> button = weak.lock()) RadioAccess::Clicked(*button);
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

void RadioButton::Select(bool raiseAction) {
  value_ = true;
  if (auto* w = dynamic_cast<QRadioButton*>(widget())) w->setChecked(true);
  if (Ref<rt::Window> window = Window()) {
    const RectControl* parent = Parent().get();
    for (const Ref<Control>& c : window->Controls()) {
      auto* other = dynamic_cast<RadioButton*>(c.get());
      if (!other || other == this || other->Parent().get() != parent) continue;
      other->value_ = false;
      if (auto* w = dynamic_cast<QRadioButton*>(other->widget())) w->setChecked(false);
    }
  }
  if (raiseAction) Action.Raise(SelfRef(this));
}

void RadioButton::SetValue(bool selected) {
  if (selected) {
    Select(true);
    return;
  }
  value_ = false;
  if (auto* w = dynamic_cast<QRadioButton*>(widget())) w->setChecked(false);
}

void RadioButton::ApplyProperty(const std::string& key, const PropertyValue& value) {
  using namespace core;
  if (key == "Caption") {
    SetCaption(AsText(key, value));
  } else if (key == "Value") {
    // The list's selection is a state, not a click: no Action.
    if (AsBool(key, value)) {
      Select(false);
    } else {
      SetValue(false);
    }
  } else {
    TextControl::ApplyProperty(key, value);
  }
}

// --- PushButton -----------------------------------------------------------------------

QWidget* PushButton::MakeWidget(QWidget* parent) {
  auto* w = new QPushButton(core::DisplayText(caption_), parent);
  w->setAutoDefault(false);  // the window presses Default and Cancel itself
  w->setDefault(default_);
  w->setFont(core::MakeFont(TextFont(), TextSize(), Bold(), Italic(), Underline()));
  std::weak_ptr<PushButton> weak = WeakSelf(this);
  QObject::connect(w, &QAbstractButton::clicked, w, [weak] {
    std::shared_ptr<PushButton> button = weak.lock();
    if (!button) return;
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
