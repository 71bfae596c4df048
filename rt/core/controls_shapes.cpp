// Rectangle, Canvas and GroupBox: the controls that draw shapes and pictures.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QWidget>
#include <unordered_map>

#include "rt/controls.h"
#include "rt/core/internal.h"
#include "rt/media.h"
#include "rt/runtime.h"

namespace rt {
namespace {

QColor ToQColor(Color c) {
  return QColor(c.red, c.green, c.blue);
}

class RectangleWidget : public QWidget {
 public:
  explicit RectangleWidget(QWidget* parent) : QWidget(parent) {}
  QColor fill{Qt::white}, topLeft{Qt::black}, bottomRight{Qt::black};
  int border = 1;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const int w = width(), h = height();
    p.fillRect(0, 0, w, h, fill);
    const int b = std::min({border, w, h});
    if (b <= 0) return;
    p.fillRect(0, 0, w, b, topLeft);          // top
    p.fillRect(0, 0, b, h, topLeft);          // left
    p.fillRect(0, h - b, w, b, bottomRight);  // bottom
    p.fillRect(w - b, 0, b, h, bottomRight);  // right
  }
};

void InstallCanvasAccessibility();

class CanvasWidget : public QWidget {
 public:
  CanvasWidget(QWidget* parent, std::weak_ptr<Canvas> owner)
      : QWidget(parent), owner_(std::move(owner)) {
    setFocusPolicy(Qt::NoFocus);  // a key press never lands on a canvas
    InstallCanvasAccessibility();
  }

  // Whether a press reaches a handler: a screen reader offers it as a button.
  bool Pressable() const {
    std::shared_ptr<Canvas> canvas = owner_.lock();
    return canvas && canvas->MouseDown.IsBound();
  }
  // A press at `at`, by the mouse or by assistive technology: one path, so
  // the handler applies its own rules whatever the press came from.
  void Press(QPoint at) {
    std::shared_ptr<Canvas> canvas = owner_.lock();
    if (!canvas || core::BlockedByModal(this)) return;
    Ref<Canvas> ref(canvas);
    Dispatch([ref, at] { ref->MouseDown.Raise(ref, at.x(), at.y()); });
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    std::shared_ptr<Canvas> canvas = owner_.lock();
    if (!canvas) return;
    Ref<Picture> picture = canvas->Backdrop();
    if (!picture) return;
    QPainter p(this);
    p.drawPixmap(0, 0, picture->pixmap());
  }
  void mousePressEvent(QMouseEvent* event) override { Press(event->position().toPoint()); }

 private:
  std::weak_ptr<Canvas> owner_;
};

// A canvas to assistive technology: a picture named after what it shows, or
// a button when it takes presses (the pull handle), whose press action is
// a click in its middle.
class CanvasAccessible : public QAccessibleWidget {
 public:
  explicit CanvasAccessible(CanvasWidget* w)
      : QAccessibleWidget(w, w->Pressable() ? QAccessible::Button : QAccessible::Graphic) {}

  QAccessible::Role role() const override {
    return canvas()->Pressable() ? QAccessible::Button : QAccessible::Graphic;
  }
  QStringList actionNames() const override {
    if (!canvas()->Pressable()) return {};
    return {pressAction()};
  }
  void doAction(const QString& name) override {
    CanvasWidget* w = canvas();
    // What a mouse could not press, no action presses.
    if (name != pressAction() || !w->Pressable() || !w->isEnabled() || !w->isVisible()) return;
    w->Press(w->rect().center());
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  CanvasWidget* canvas() const { return static_cast<CanvasWidget*>(widget()); }
};

QAccessibleInterface* CanvasAccessibleFor(const QString&, QObject* object) {
  if (auto* w = dynamic_cast<CanvasWidget*>(object)) return new CanvasAccessible(w);
  return nullptr;
}

void InstallCanvasAccessibility() {
  core::InstallAccessibleFactory(CanvasAccessibleFor);
}

// A picture's name for a screen reader: its file name without the extension
// and a trailing "-1" or the like, words apart: "7", "Star", "Handle Up".
QString SpokenNameOfFile(const std::string& path) {
  QString name = QFileInfo(QString::fromStdString(path)).completeBaseName();
  static const QRegularExpression number(QStringLiteral("[-_ ]*\\d+$"));
  static const QRegularExpression joint(QStringLiteral("(?<=[a-z])(?=[A-Z])|[-_]+"));
  if (const QString stripped = QString(name).remove(number); !stripped.isEmpty()) name = stripped;
  return name.split(joint, Qt::SkipEmptyParts).join(QLatin1Char(' '));
}

QString SpokenNameOf(const Ref<Picture>& picture) {
  if (!picture || picture->SourcePath().empty()) return {};
  // The reels change pictures at every 100 ms step: each file's name is
  // worked out once.
  static auto* names = new std::unordered_map<std::string, QString>;
  auto [it, added] = names->try_emplace(picture->SourcePath());
  if (added) it->second = SpokenNameOfFile(picture->SourcePath());
  return it->second;
}

}  // namespace

// --- Rectangle ----------------------------------------------------------------------

QWidget* Rectangle::MakeWidget(QWidget* parent) {
  auto* w = new RectangleWidget(parent);
  w->fill = ToQColor(fill_);
  w->topLeft = ToQColor(topLeft_);
  w->bottomRight = ToQColor(bottomRight_);
  w->border = borderWidth_;
  return w;
}

namespace {
RectangleWidget* AsRectangle(QWidget* w) {
  return dynamic_cast<RectangleWidget*>(w);
}
}  // namespace

void Rectangle::SetFillColor(Color c) {
  fill_ = c;
  if (auto* w = AsRectangle(widget())) {
    w->fill = ToQColor(c);
    w->update();
  }
}

void Rectangle::SetBorderWidth(int32_t bw) {
  borderWidth_ = bw;
  if (auto* w = AsRectangle(widget())) {
    w->border = bw;
    w->update();
  }
}

void Rectangle::SetTopLeftColor(Color c) {
  topLeft_ = c;
  if (auto* w = AsRectangle(widget())) {
    w->topLeft = ToQColor(c);
    w->update();
  }
}

void Rectangle::SetBottomRightColor(Color c) {
  bottomRight_ = c;
  if (auto* w = AsRectangle(widget())) {
    w->bottomRight = ToQColor(c);
    w->update();
  }
}

void Rectangle::ApplyProperty(const std::string& key, const PropertyValue& value) {
  using namespace core;
  if (key == "FillColor") {
    SetFillColor(AsColour(key, value));
  } else if (key == "BorderWidth") {
    SetBorderWidth(AsInt(key, value));
  } else if (key == "TopLeftColor") {
    SetTopLeftColor(AsColour(key, value));
  } else if (key == "BottomRightColor") {
    SetBottomRightColor(AsColour(key, value));
  } else {
    RectControl::ApplyProperty(key, value);
  }
}

// --- Canvas -------------------------------------------------------------------------

QWidget* Canvas::MakeWidget(QWidget* parent) {
  auto* w = new CanvasWidget(parent, core::WeakSelf(this));
  w->setAccessibleName(SpokenNameOf(backdrop_));
  return w;
}

std::string Canvas::SpokenName() const {
  return SpokenNameOf(backdrop_).toStdString();
}

void Canvas::SetBackdrop(const Ref<Picture>& picture) {
  backdrop_ = picture;
  if (QWidget* w = widget()) {
    w->setAccessibleName(SpokenNameOf(picture));  // a screen reader hears the change
    w->update();
  }
}

void Canvas::ApplyProperty(const std::string& key, const PropertyValue& value) {
  using namespace core;
  if (key == "UseFocusRing" || key == "AcceptFocus" || key == "AcceptTabs" ||
      key == "DoubleBuffer" || key == "EraseBackground") {
    // Focus stays off canvases (the window takes the keys); Qt double-buffers.
    (void)AsBool(key, value);
  } else {
    RectControl::ApplyProperty(key, value);
  }
}

// --- GroupBox -----------------------------------------------------------------------

namespace {

// Fusion fills a group box light grey, and the labels inside, which draw no
// background of their own, show that grey. The program's faces are white:
// the box draws its frame as an outline and lets what lies behind it show.
class GroupBoxWidget : public QGroupBox {
 public:
  GroupBoxWidget(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter p(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.subControls &= ~QStyle::SC_GroupBoxFrame;
    p.drawComplexControl(QStyle::CC_GroupBox, option);  // the caption alone
    // The outline where Fusion draws its own: two pixels above the contents,
    // one in from the left.
    const QRect contents =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    const int top = contents.top() - 2;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0, 0, 0, 28));  // Fusion's outline colour, over any background
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, top + 0.5, width() - 2.0, height() - top - 1.0), 2, 2);
  }
};

// A group box to assistive technology: a group named by its caption, or,
// when it has none, by the first label inside it that shows a text (the
// game's wager box has no caption of its own; its label says "Wager"). A
// screen reader then says that name with the group's radio buttons.
class GroupBoxAccessible : public QAccessibleWidget {
 public:
  explicit GroupBoxAccessible(QGroupBox* w) : QAccessibleWidget(w, QAccessible::Grouping) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      const QString title = static_cast<QGroupBox*>(widget())->title();
      if (!title.isEmpty()) return QString(title).remove(QLatin1Char('&'));
      if (const QLabel* caption = Caption()) return caption->text();
    }
    return QAccessibleWidget::text(t);
  }
  QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override {
    auto result = QAccessibleWidget::relations(match);
    const QLabel* caption = Caption();
    if (caption && (match & QAccessible::Label))
      result.append({QAccessible::queryAccessibleInterface(const_cast<QLabel*>(caption)),
                     QAccessible::Label});
    return result;
  }

 private:
  // The captioning label, when the box has no title of its own.
  const QLabel* Caption() const {
    if (!static_cast<QGroupBox*>(widget())->title().isEmpty()) return nullptr;
    for (const QObject* child : widget()->children()) {
      const auto* label = qobject_cast<const QLabel*>(child);
      if (label && !label->isHidden() && !label->text().isEmpty()) return label;
    }
    return nullptr;
  }
};

QAccessibleInterface* GroupBoxAccessibleFor(const QString&, QObject* object) {
  if (auto* w = dynamic_cast<GroupBoxWidget*>(object)) return new GroupBoxAccessible(w);
  return nullptr;
}

}  // namespace

QWidget* GroupBox::MakeWidget(QWidget* parent) {
  core::InstallAccessibleFactory(GroupBoxAccessibleFor);
  auto* w = new GroupBoxWidget(core::DisplayText(caption_), parent);
  w->setFocusPolicy(Qt::NoFocus);
  w->setFont(core::MakeFont(TextFont(), TextSize(), Bold(), Italic(), Underline()));
  return w;
}

void GroupBox::SetCaption(const std::string& caption) {
  caption_ = caption;
  // An empty title draws the frame alone.
  if (auto* w = dynamic_cast<QGroupBox*>(widget())) w->setTitle(core::DisplayText(caption));
}

void GroupBox::ApplyProperty(const std::string& key, const PropertyValue& value) {
  if (key == "Caption") {
    SetCaption(core::AsText(key, value));
  } else {
    TextControl::ApplyProperty(key, value);
  }
}

}  // namespace rt
