#include "about/about_box.h"

#include "app/app.h"
#include "layout/control_creation.h"

using layout::Fetch;

namespace {

// The maker's fixed addresses, handed to the system exactly as written.
const char kAuthorMail[] = "mailto:tamsin.orrely@brenwick.example";
const char kWebSite[] = "http://brenwick.example";
const char kOrderPage[] = "http://order.paywell.example/?JOLVANE1&lang=en";

// Lines of a multi-line label are separated by a single carriage return.
const char kCredits[] = "Developed by\rTamsin Orrely\r\rSr. Beta Tester\rQuill Marravane";
const char kIconCredit[] = "Icon Credit: Ivo Rask, Pixmoor";

}  // namespace

rt::Ref<AboutBox> AboutBox::Instance() {
  return rt::ImplicitInstance<AboutBox>("AboutBox.AboutBox");
}

void AboutBox::Layout() {
  rt::SetProperties(
      rt::SelfRef(this),
      layout::WindowList(
          {.title = "About...", .width = 264, .height = 333, .minimizeButton = false}));
}

void AboutBox::CreateControls() {
  CreateControls0();
}

void AboutBox::CreateControls0() {
  using layout::kCentred;
  using layout::kLeft;
  using layout::kRight;
  using layout::MakeLabel;
  using layout::MakePushButton;
  AboutBox& w = *this;

  // In creation order, which is the tab order. Buttons: name, place, tab
  // index, caption, bold, default. Labels: name, place, tab index, text, font,
  // size (0: the standard size), bold, alignment, multi-line.
  MakePushButton(w, {"PushButton1", {72, 180, 120, 21}, 0, "Email Author", true},
                 &AboutBox::PushButton1_Action);
  MakePushButton(w, {"PushButton2", {72, 217, 120, 21}, 1, "Visit Web Site", true},
                 &AboutBox::PushButton2_Action);
  MakeLabel(w, {"StaticText2", {80, 86, 104, 87}, 2, kCredits, "System", 0, false, kCentred, true});
  MakeLabel(w, {"StaticText1", {20, 20, 224, 45}, 3, "Jolvane", "Arial", 30, true, kCentred});
  MakeLabel(w, {"StaticText3", {72, 60, 56, 20}, 4, "Version:", "Arial", 12, true, kLeft});
  MakeLabel(w, {"StaticText4", {129, 60, 63, 20}, 5, "2.4.0 Intel", "Arial", 12, true, kRight});
  layout::Bind<rt::Label>(w, "StaticText4", &rt::Label::Open, &AboutBox::StaticText4_Open);
  MakePushButton(w, {"Kagi", {72, 254, 120, 21}, 6, "Support Brenwick", true, true},
                 &AboutBox::Kagi_Action);
  MakeLabel(w, {"StaticText5", {20, 295, 224, 20}, 7, kIconCredit, "System", 0, false, kCentred});
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
