// Label: plain text, never markup; a carriage return starts a new line.
#include <QLabel>
#include <QPalette>

#include "rt/controls.h"
#include "rt/core/internal.h"

namespace rt {
namespace {

Qt::Alignment AlignmentOf(int32_t align) {
  const Qt::Alignment horizontal = align == 1   ? Qt::AlignHCenter
                                   : align == 2 ? Qt::AlignRight
                                                : Qt::AlignLeft;
  return horizontal | Qt::AlignTop;
}

}  // namespace

QWidget* Label::MakeWidget(QWidget* parent) {
  auto* w = new QLabel(parent);
  w->setTextFormat(Qt::PlainText);  // text from the network must never become markup
  w->setTextInteractionFlags(Qt::NoTextInteraction);
  w->setFocusPolicy(Qt::NoFocus);
  w->setText(core::DisplayText(text_));
  w->setAlignment(AlignmentOf(align_));
  w->setWordWrap(multiline_);
  w->setFont(core::MakeFont(TextFont(), TextSize(), Bold(), Italic(), Underline()));
  QPalette palette = w->palette();
  palette.setColor(QPalette::WindowText, QColor(color_.red, color_.green, color_.blue));
  w->setPalette(palette);
  return w;
}

namespace {
QLabel* AsLabel(QWidget* w) {
  return dynamic_cast<QLabel*>(w);
}
}  // namespace

void Label::SetText(const std::string& text) {
  text_ = text;
  if (auto* w = AsLabel(widget())) w->setText(core::DisplayText(text));
}

void Label::SetTextAlign(int32_t align) {
  align_ = align;
  if (auto* w = AsLabel(widget())) w->setAlignment(AlignmentOf(align));
}

void Label::SetTextColor(Color c) {
  color_ = c;
  if (auto* w = AsLabel(widget())) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, QColor(c.red, c.green, c.blue));
    w->setPalette(palette);
  }
}

void Label::SetMultiline(bool m) {
  multiline_ = m;
  if (auto* w = AsLabel(widget())) w->setWordWrap(m);
}

void Label::ApplyProperty(const std::string& key, const PropertyValue& value) {
  using namespace core;
  if (key == "Text") {
    SetText(AsText(key, value));
  } else if (key == "TextAlign") {
    SetTextAlign(AsInt(key, value));
  } else if (key == "TextColor") {
    SetTextColor(AsColour(key, value));
  } else if (key == "Multiline") {
    SetMultiline(AsBool(key, value));
  } else if (key == "Selectable" || key == "Transparent") {
    (void)AsBool(key, value);  // labels are never selectable; Qt labels are transparent
  } else if (key == "DataSource" || key == "DataField") {
    (void)AsText(key, value);
  } else {
    TextControl::ApplyProperty(key, value);
  }
}

}  // namespace rt
