// A window of the program with nothing in it, for tests that need a second
// window beside the game's.
#pragma once

#include "rt/rt.h"

namespace test_support {

class PlainWindow : public rt::Window {
 public:
  PlainWindow() : rt::Window("PlainWindow.PlainWindow") {}

 protected:
  void Layout() override {
    rt::SetProperties(
        rt::SelfRef(this),
        rt::PropertyList().Int("Width", 160).Int("Height", 80).Text("Title", "Plain"));
  }
};

}  // namespace test_support
