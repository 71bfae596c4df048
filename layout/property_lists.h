// The property lists that the windows write alike: a window's own list in the
// key order the game, version and About windows share, the opening entries of
// every visual control's list, and the lists of labels and push buttons. Each
// window keeps its own values in its own tables; only what differs between
// them is passed in.
#pragma once

#include <cstdint>
#include <string>

#include "rt/rt.h"

namespace layout {

inline constexpr rt::Color kWhite = rt::RGB(0xFFFFFF);
inline constexpr rt::Color kBlack = rt::RGB(0x000000);

// TextAlign as the lists store it.
inline constexpr int32_t kLeft = 0;
inline constexpr int32_t kCentred = 1;
inline constexpr int32_t kRight = 2;

// A control's place and size, in window coordinates also inside a parent.
struct Place {
  int32_t left, top, width, height;
};

// A small fixed-size white titled window with a close button, no maximise
// button, shown when built; the update window writes its keys in an order of
// its own and does not use this.
struct WindowValues {
  std::string title;
  int32_t width, height;
  bool minimizeButton;
};
rt::PropertyList WindowList(const WindowValues& window);

// Appends Name, no control-array index, the place and the four locks off:
// the entries every visual control's list opens with (a label of the version
// or update window has its TabStop before them).
void AddOpening(rt::PropertyList& list, const std::string& name, const Place& at);

struct LabelValues {
  std::string name;
  Place at;
  int32_t tabIndex;
  std::string text;
  std::string font = "System";
  // Set before the list, not in it; 0 sets none (the standard size).
  float textSize = 0;
  bool bold = false;
  int32_t align = kLeft;
  bool multiline = false;
  rt::Color color = kBlack;
  bool visible = true;
  std::string parent = "";  // empty: the window itself
  // The version and update windows' labels open their list with TabStop True.
  bool tabStopFirst = false;
};
rt::PropertyList LabelList(const LabelValues& label);

// A push button's caption is in the standard size of "System".
struct PushButtonValues {
  std::string name;
  Place at;
  int32_t tabIndex;
  std::string caption;
  bool bold;
  bool isDefault = false;
  bool cancel = false;
};
rt::PropertyList PushButtonList(const PushButtonValues& button);

}  // namespace layout
