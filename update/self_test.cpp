// The version window "Self Test".
#include "update/self_test.h"

#include "app/app.h"
#include "layout/control_creation.h"
#include "update/update_window.h"

rt::Ref<selfTest> selfTest::Instance() {
  return rt::ImplicitInstance<selfTest>("selfTest.selfTest");
}

void selfTest::Layout() {
  rt::SetProperties(
      rt::SelfRef(this),
      layout::WindowList(
          {.title = "Self Test", .width = 197, .height = 102, .minimizeButton = false}));
}

void selfTest::CreateControls() {
  CreateControls0();
}

void selfTest::CreateControls0() {
  // The version line: the caption, then the version, filled in on Open.
  layout::MakeLabel(*this, {.name = "StaticText1",
                            .at = {25, 19, 67, 20},
                            .tabIndex = 0,
                            .text = "Version:",
                            .bold = true,
                            .align = layout::kLeft,
                            .tabStopFirst = true});
  layout::MakeLabel(*this, {.name = "StaticText2",
                            .at = {98, 19, 74, 20},
                            .tabIndex = 1,
                            .text = "2.1.0 Intel",
                            .bold = false,
                            .align = layout::kRight,
                            .tabStopFirst = true});
  layout::Bind<rt::Label>(*this, "StaticText2", &rt::Label::Open, &selfTest::StaticText2_Open);
  layout::MakePushButton(*this,
                         {.name = "PushButton1",
                          .at = {20, 61, 157, 21},
                          .tabIndex = 2,
                          .caption = "Check for Updates",
                          .bold = true,
                          .isDefault = true},
                         &selfTest::PushButton1_Action);
}

rt::Ref<rt::Label> selfTest::StaticText1() {
  return layout::Fetch<rt::Label>(*this, "StaticText1");
}

rt::Ref<rt::Label> selfTest::StaticText2() {
  return layout::Fetch<rt::Label>(*this, "StaticText2");
}

rt::Ref<rt::PushButton> selfTest::PushButton1() {
  return layout::Fetch<rt::PushButton>(*this, "PushButton1");
}

void selfTest::StaticText2_Open(rt::Ref<rt::Label> control) {
  control->SetText(App::Instance()->LongVersion());
}

void selfTest::PushButton1_Action(rt::Ref<rt::PushButton>) {
  // Returns once the update window has closed; its Open has closed this
  // window already, so the accessor may build a fresh one, closed at once.
  updateWindow::Instance()->ShowModal();
  selfTest::Instance()->Close();
}
