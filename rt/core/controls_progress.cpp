// ProgressBar: Maximum 0 is the busy bar.
#include <QProgressBar>

#include "rt/controls.h"
#include "rt/core/internal.h"

namespace rt {
namespace {

void Show(QWidget* widget, int32_t value, int32_t maximum) {
  auto* bar = dynamic_cast<QProgressBar*>(widget);
  if (!bar) return;
  if (maximum <= 0) {
    bar->setRange(0, 0);  // Qt's busy bar
  } else {
    bar->setRange(0, maximum);
    bar->setValue(std::clamp(value, 0, maximum));
  }
}

}  // namespace

QWidget* ProgressBar::MakeWidget(QWidget* parent) {
  auto* bar = new QProgressBar(parent);
  bar->setTextVisible(false);
  bar->setFocusPolicy(Qt::NoFocus);
  Show(bar, value_, maximum_);
  return bar;
}

void ProgressBar::SetValue(int32_t v) {
  value_ = v;
  Show(widget(), value_, maximum_);
}

void ProgressBar::SetMaximum(int32_t m) {
  maximum_ = m;
  Show(widget(), value_, maximum_);
}

void ProgressBar::ApplyProperty(const std::string& key, const PropertyValue& value) {
  using namespace core;
  if (key == "Value") {
    SetValue(AsInt(key, value));
  } else if (key == "Maximum") {
    SetMaximum(AsInt(key, value));
  } else {
    RectControl::ApplyProperty(key, value);
  }
}

}  // namespace rt
