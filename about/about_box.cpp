#include "about/about_box.h"

#include <string>

#include "app/app.h"

namespace {

// The maker's fixed addresses, handed to the system exactly as written.
const char kAuthorMail[] = "mailto:tamsin.orrely@brenwick.example";
const char kWebSite[] = "http://brenwick.example";
const char kOrderPage[] = "http://order.paywell.example/?JOLVANE1&lang=en";

// Lines of a multi-line label are separated by a single carriage return.
const char kCredits[] = "Developed by\rTamsin Orrely\r\rSr. Beta Tester\rQuill Marravane";
const char kIconCredit[] = "Icon Credit: Ivo Rask, Pixmoor";

struct LabelLayout {
  const char* name;
  int32_t left, top, width, height, tabIndex;
  std::string text;
  int32_t textAlign;
  bool multiline;
  const char* font;
  bool bold;
};

rt::PropertyList LabelProperties(const LabelLayout& s) {
  rt::PropertyList list;
  list.Text("Name", s.name)
      .Int("Index", rt::kNoIndex)
      .Int("Left", s.left)
      .Int("Top", s.top)
      .Int("Width", s.width)
      .Int("Height", s.height)
      .Bool("LockLeft", false)
      .Bool("LockTop", false)
      .Bool("LockRight", false)
      .Bool("LockBottom", false)
      .Int("TabPanelIndex", 0)
      .Int("TabIndex", s.tabIndex)
      .Text("Text", s.text)
      .Int("TextAlign", s.textAlign)
      .Colour("TextColor", rt::RGB(0x000000))
      .Bool("Multiline", s.multiline)
      .Bool("Enabled", true)
      .Bool("Visible", true)
      .Bool("Selectable", false)
      .Bool("Transparent", false)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Text("TextFont", s.font)
      .Bool("Bold", s.bold)
      .Bool("Italic", false)
      .Bool("Underline", false)
      .Text("DataSource", "")
      .Text("DataField", "")
      .Text("InitialParent", "");
  return list;
}

struct ButtonLayout {
  const char* name;
  int32_t left, top, width, height, tabIndex;
  const char* caption;
  bool isDefault;
};

rt::PropertyList ButtonProperties(const ButtonLayout& s) {
  rt::PropertyList list;
  list.Text("Name", s.name)
      .Int("Index", rt::kNoIndex)
      .Int("Left", s.left)
      .Int("Top", s.top)
      .Int("Width", s.width)
      .Int("Height", s.height)
      .Bool("LockLeft", false)
      .Bool("LockTop", false)
      .Bool("LockRight", false)
      .Bool("LockBottom", false)
      .Int("TabPanelIndex", 0)
      .Int("TabIndex", s.tabIndex)
      .Bool("TabStop", true)
      .Text("Caption", s.caption)
      .Bool("Default", s.isDefault)
      .Bool("Cancel", false)
      .Bool("Enabled", true)
      .Bool("Visible", true)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Int("ButtonStyle", 0)
      .Text("TextFont", "System")
      .Bool("Bold", true)
      .Bool("Italic", false)
      .Bool("Underline", false)
      .Text("InitialParent", "");
  return list;
}

// The window's control of that name, checked to be of class T.
template <class T>
rt::Ref<T> Fetch(const AboutBox& window, const std::string& name) {
  return rt::RuntimeCheckCast<T>(window.ControlByName(name));
}

}  // namespace

rt::Ref<AboutBox> AboutBox::Instance() {
  return rt::ImplicitInstance<AboutBox>("AboutBox.AboutBox");
}

void AboutBox::Layout() {
  rt::PropertyList list;
  list.Int("Placement", 0)
      .Int("Width", 264)
      .Int("Height", 333)
      .Int("MinWidth", 64)
      .Int("MinHeight", 64)
      .Int("MaxWidth", 32000)
      .Int("MaxHeight", 32000)
      .Int("Frame", 0)
      .Bool("Composite", false)
      .Bool("HasBackColor", true)
      .Colour("BackColor", rt::RGB(0xFFFFFF))
      .Text("Title", "About...")
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

void AboutBox::CreateControls() {
  CreateControls0();
}

void AboutBox::CreateControls0() {
  const rt::Ref<AboutBox> self = rt::SelfRef(this);

  // Each step fetches the control again by name: nothing is kept between steps.
  auto addButton = [&](const ButtonLayout& button,
                       void (AboutBox::*handler)(rt::Ref<rt::PushButton>)) {
    rt::Ref<rt::PushButton> created = New<rt::PushButton>();
    created->Constructor();
    AddControl(button.name, created);
    Fetch<rt::PushButton>(*this, button.name)->SetTextUnit(0);
    rt::SetProperties(Fetch<rt::PushButton>(*this, button.name), ButtonProperties(button));
    rt::RuntimeAddEventHandler(Fetch<rt::PushButton>(*this, button.name)->Action,
                               rt::RuntimeCreateDelegate(handler, self));
  };
  auto addLabel = [&](const LabelLayout& label, float textSize) {
    rt::Ref<rt::Label> created = New<rt::Label>();
    created->Constructor();
    AddControl(label.name, created);
    if (textSize != 0) Fetch<rt::Label>(*this, label.name)->SetTextSize(textSize);
    Fetch<rt::Label>(*this, label.name)->SetTextUnit(0);
    rt::SetProperties(Fetch<rt::Label>(*this, label.name), LabelProperties(label));
  };

  addButton({"PushButton1", 72, 180, 120, 21, 0, "Email Author", false},
            &AboutBox::PushButton1_Action);
  addButton({"PushButton2", 72, 217, 120, 21, 1, "Visit Web Site", false},
            &AboutBox::PushButton2_Action);
  addLabel({"StaticText2", 80, 86, 104, 87, 2, kCredits, 1, true, "System", false}, 0);
  addLabel({"StaticText1", 20, 20, 224, 45, 3, "Jolvane", 1, false, "Arial", true}, 30);
  addLabel({"StaticText3", 72, 60, 56, 20, 4, "Version:", 0, false, "Arial", true}, 12);
  addLabel({"StaticText4", 129, 60, 63, 20, 5, "2.4.0 Intel", 2, false, "Arial", true}, 12);
  rt::RuntimeAddEventHandler(Fetch<rt::Label>(*this, "StaticText4")->Open,
                             rt::RuntimeCreateDelegate(&AboutBox::StaticText4_Open, self));
  addButton({"Kagi", 72, 254, 120, 21, 6, "Support Brenwick", true}, &AboutBox::Kagi_Action);
  addLabel({"StaticText5", 20, 295, 224, 20, 7, kIconCredit, 1, false, "System", false}, 0);
}

rt::Ref<rt::PushButton> AboutBox::PushButton1() {
  return Fetch<rt::PushButton>(*this, "PushButton1");
}
rt::Ref<rt::PushButton> AboutBox::PushButton2() {
  return Fetch<rt::PushButton>(*this, "PushButton2");
}
rt::Ref<rt::Label> AboutBox::StaticText2() {
  return Fetch<rt::Label>(*this, "StaticText2");
}
rt::Ref<rt::Label> AboutBox::StaticText1() {
  return Fetch<rt::Label>(*this, "StaticText1");
}
rt::Ref<rt::Label> AboutBox::StaticText3() {
  return Fetch<rt::Label>(*this, "StaticText3");
}
rt::Ref<rt::Label> AboutBox::StaticText4() {
  return Fetch<rt::Label>(*this, "StaticText4");
}
rt::Ref<rt::PushButton> AboutBox::Kagi() {
  return Fetch<rt::PushButton>(*this, "Kagi");
}
rt::Ref<rt::Label> AboutBox::StaticText5() {
  return Fetch<rt::Label>(*this, "StaticText5");
}

void AboutBox::PushButton1_Action(rt::Ref<rt::PushButton>) {
  rt::ShowURL(kAuthorMail);
}

void AboutBox::PushButton2_Action(rt::Ref<rt::PushButton>) {
  rt::ShowURL(kWebSite);
}

// Writes to the sender, so the layout's placeholder never reaches the screen.
void AboutBox::StaticText4_Open(rt::Ref<rt::Label> sender) {
  sender->SetText(App::Instance()->LongVersion());
}

void AboutBox::Kagi_Action(rt::Ref<rt::PushButton>) {
  rt::ShowURL(kOrderPage);
}
