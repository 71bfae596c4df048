// The version window "Self Test".
#include "update/self_test.h"

#include "app/app.h"
#include "update/update_window.h"

namespace {

// Values the three controls share.
constexpr const char* kFont = "System";

}  // namespace

rt::Ref<selfTest> selfTest::Instance() {
  return rt::ImplicitInstance<selfTest>("selfTest.selfTest");
}

void selfTest::Layout() {
  rt::PropertyList list;
  list.Int("Placement", 0)
      .Int("Width", 197)
      .Int("Height", 102)
      .Int("MinWidth", 64)
      .Int("MinHeight", 64)
      .Int("MaxWidth", 32000)
      .Int("MaxHeight", 32000)
      .Int("Frame", 0)
      .Bool("Composite", false)
      .Bool("HasBackColor", true)
      .Colour("BackColor", rt::RGB(0xFFFFFF))
      .Text("Title", "Self Test")
      .Bool("Visible", true)
      .Bool("FullScreen", false)
      .Bool("MenuBarVisible", true)
      .Bool("CloseButton", true)
      .Bool("Resizeable", false)
      .Bool("LiveResize", false)
      .Bool("MaximizeButton", false)
      .Bool("MinimizeButton", false)
      .Int("MacProcID", 0);
  rt::SetProperties(rt::SelfRef(this), list);
}

void selfTest::CreateControls() {
  CreateControls0();
}

namespace {

rt::PropertyList LabelList(const std::string& name, int32_t left, int32_t width, int32_t tabIndex,
                           const std::string& text, int32_t align, bool bold) {
  rt::PropertyList list;
  list.Bool("TabStop", true)
      .Text("Name", name)
      .Int("Index", rt::kNoIndex)
      .Int("Left", left)
      .Int("Top", 19)
      .Int("Width", width)
      .Int("Height", 20)
      .Bool("LockLeft", false)
      .Bool("LockTop", false)
      .Bool("LockRight", false)
      .Bool("LockBottom", false)
      .Int("TabPanelIndex", 0)
      .Int("TabIndex", tabIndex)
      .Text("Text", text)
      .Int("TextAlign", align)
      .Colour("TextColor", rt::RGB(0x000000))
      .Bool("Multiline", false)
      .Bool("Enabled", true)
      .Bool("Visible", true)
      .Bool("Selectable", false)
      .Bool("Transparent", false)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Text("TextFont", kFont)
      .Bool("Bold", bold)
      .Bool("Italic", false)
      .Bool("Underline", false)
      .Text("DataSource", "")
      .Text("DataField", "")
      .Text("InitialParent", "");
  return list;
}

}  // namespace

void selfTest::CreateControls0() {
  auto self = rt::SelfRef(this);

  {
    auto control = New<rt::Label>();
    control->Constructor();
    AddControl("StaticText1", control);
  }
  rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText1"))->SetTextUnit(0);
  rt::SetProperties(rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText1")),
                    LabelList("StaticText1", 25, 67, 0, "Version:", 0, true));

  {
    auto control = New<rt::Label>();
    control->Constructor();
    AddControl("StaticText2", control);
  }
  rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText2"))->SetTextUnit(0);
  rt::SetProperties(rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText2")),
                    LabelList("StaticText2", 98, 74, 1, "2.1.0 Intel", 2, false));
  rt::RuntimeAddEventHandler(rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText2"))->Open,
                             rt::RuntimeCreateDelegate(&selfTest::StaticText2_Open, self));

  {
    auto control = New<rt::PushButton>();
    control->Constructor();
    AddControl("PushButton1", control);
  }
  rt::RuntimeCheckCast<rt::PushButton>(ControlByName("PushButton1"))->SetTextUnit(0);
  rt::PropertyList button;
  button.Text("Name", "PushButton1")
      .Int("Index", rt::kNoIndex)
      .Int("Left", 20)
      .Int("Top", 61)
      .Int("Width", 157)
      .Int("Height", 21)
      .Bool("LockLeft", false)
      .Bool("LockTop", false)
      .Bool("LockRight", false)
      .Bool("LockBottom", false)
      .Int("TabPanelIndex", 0)
      .Int("TabIndex", 2)
      .Bool("TabStop", true)
      .Text("Caption", "Check for Updates")
      .Bool("Default", true)
      .Bool("Cancel", false)
      .Bool("Enabled", true)
      .Bool("Visible", true)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Int("ButtonStyle", 0)
      .Text("TextFont", kFont)
      .Bool("Bold", true)
      .Bool("Italic", false)
      .Bool("Underline", false)
      .Text("InitialParent", "");
  rt::SetProperties(rt::RuntimeCheckCast<rt::PushButton>(ControlByName("PushButton1")), button);
  rt::RuntimeAddEventHandler(
      rt::RuntimeCheckCast<rt::PushButton>(ControlByName("PushButton1"))->Action,
      rt::RuntimeCreateDelegate(&selfTest::PushButton1_Action, self));
}

rt::Ref<rt::Label> selfTest::StaticText1() {
  return rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText1"));
}

rt::Ref<rt::Label> selfTest::StaticText2() {
  return rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText2"));
}

rt::Ref<rt::PushButton> selfTest::PushButton1() {
  return rt::RuntimeCheckCast<rt::PushButton>(ControlByName("PushButton1"));
}

void selfTest::StaticText2_Open(rt::Ref<rt::Label> control) {
  control->SetText(App::Instance()->LongVersion());
}

void selfTest::PushButton1_Action(rt::Ref<rt::PushButton> control) {
  (void)control;
  // Returns once the update window has closed; its Open has closed this
  // window already, so the accessor may build a fresh one, closed at once.
  updateWindow::Instance()->ShowModal();
  selfTest::Instance()->Close();
}
