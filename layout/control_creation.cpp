// A label's creation steps; the other steps are templates in the header.
#include "layout/control_creation.h"

namespace layout {

void MakeLabel(rt::Window& window, const LabelValues& label) {
  Create<rt::Label>(window, label.name);
  SetTextSizeAndUnit<rt::Label>(window, label.name, label.textSize);
  Apply<rt::Label>(window, label.name, LabelList(label));
}

}  // namespace layout
