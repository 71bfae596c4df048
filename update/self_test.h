// The version window: shows the running version and opens the update check.
#pragma once

#include "rt/rt.h"

class selfTest : public rt::Window {
 public:
  selfTest() : rt::Window("selfTest.selfTest") {}

  // The implicit instance: the living version window, or a new one, built
  // and shown before it is returned.
  static rt::Ref<selfTest> Instance();

  // Construction hooks.
  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  // Control accessors, in creation order.
  rt::Ref<rt::Label> StaticText1();       // "Version:"
  rt::Ref<rt::Label> StaticText2();       // the running version
  rt::Ref<rt::PushButton> PushButton1();  // "Check for Updates": opens the update window

  // Control event handlers.
  void StaticText2_Open(rt::Ref<rt::Label> control);
  void PushButton1_Action(rt::Ref<rt::PushButton> control);
};
