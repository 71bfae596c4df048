// The palette for controls on a window's face, the fixed colour the window
// paints its content area in (rt/core/window_parts.h).
#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QStyle>

#include "rt/core/window_parts.h"

namespace rt::core {
namespace {

bool IsLight(const QColor& c) {
  return c.lightness() >= 128;
}

}  // namespace

QPalette PaletteForFace(const QColor& face, const QPalette& desktop) {
  const bool light = IsLight(face);
  // The window is painted in its own colour (white in all our windows)
  // whatever the desktop's colour scheme. Under a dark scheme its controls
  // would still get the scheme's white text and dark radio-button circles:
  // white on white. So the desktop's palette is kept only when its colours
  // are as light or dark as the face and its texts stand out from it.
  const bool readable =
      IsLight(desktop.color(QPalette::Window)) == light &&
      IsLight(desktop.color(QPalette::Base)) == light &&
      IsLight(desktop.color(QPalette::WindowText)) != light &&
      IsLight(desktop.color(QPalette::Text)) != light &&
      IsLight(desktop.color(QPalette::ButtonText)) != IsLight(desktop.color(QPalette::Button));
  QPalette palette = desktop;
  if (!readable) {
    palette = QApplication::style()->standardPalette();
    // Where the style's standard palette does not match the face either,
    // make one from two colours: Qt derives every other role from them,
    // with texts of the opposite lightness.
    if (IsLight(palette.color(QPalette::Window)) != light ||
        IsLight(palette.color(QPalette::WindowText)) == light)
      palette = QPalette(light ? face.darker(107) : face.lighter(150), face);
  }
  palette.setColor(QPalette::Window, face);
  return palette;
}

}  // namespace rt::core
