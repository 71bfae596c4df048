// Window1's implicit instance and its accessors. Nothing is cached: every
// call looks its control up by name, or its menu item up on the window's menu
// bar, again.
#include "game/window1.h"

rt::Ref<Window1> Window1::Instance() {
  return rt::ImplicitInstance<Window1>("Window1.Window1");
}

rt::Ref<rt::Rectangle> Window1::Rectangle1() {
  return rt::RuntimeCheckCast<rt::Rectangle>(ControlByName("Rectangle1"));
}

rt::Ref<rt::Rectangle> Window1::Rectangle2() {
  return rt::RuntimeCheckCast<rt::Rectangle>(ControlByName("Rectangle2"));
}

rt::Ref<rt::Canvas> Window1::Canvas2() {
  return rt::RuntimeCheckCast<rt::Canvas>(ControlByName("Canvas2"));
}

rt::Ref<rt::Canvas> Window1::Canvas5() {
  return rt::RuntimeCheckCast<rt::Canvas>(ControlByName("Canvas5"));
}

rt::Ref<rt::Canvas> Window1::Canvas8() {
  return rt::RuntimeCheckCast<rt::Canvas>(ControlByName("Canvas8"));
}

rt::Ref<rt::GroupBox> Window1::GroupBox1() {
  return rt::RuntimeCheckCast<rt::GroupBox>(ControlByName("GroupBox1"));
}

rt::Ref<rt::Label> Window1::StaticText1() {
  return rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText1"));
}

rt::Ref<rt::RadioButton> Window1::RadioButton1() {
  return rt::RuntimeCheckCast<rt::RadioButton>(ControlByName("RadioButton1"));
}

rt::Ref<rt::RadioButton> Window1::RadioButton2() {
  return rt::RuntimeCheckCast<rt::RadioButton>(ControlByName("RadioButton2"));
}

rt::Ref<rt::RadioButton> Window1::RadioButton3() {
  return rt::RuntimeCheckCast<rt::RadioButton>(ControlByName("RadioButton3"));
}

rt::Ref<rt::Label> Window1::StaticText2() {
  return rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText2"));
}

rt::Ref<rt::Label> Window1::StaticText3() {
  return rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText3"));
}

rt::Ref<rt::Rectangle> Window1::Rectangle3() {
  return rt::RuntimeCheckCast<rt::Rectangle>(ControlByName("Rectangle3"));
}

rt::Ref<rt::Canvas> Window1::Canvas1() {
  return rt::RuntimeCheckCast<rt::Canvas>(ControlByName("Canvas1"));
}

rt::Ref<rt::Rectangle> Window1::Rectangle4() {
  return rt::RuntimeCheckCast<rt::Rectangle>(ControlByName("Rectangle4"));
}

rt::Ref<rt::Canvas> Window1::Canvas4() {
  return rt::RuntimeCheckCast<rt::Canvas>(ControlByName("Canvas4"));
}

rt::Ref<rt::Rectangle> Window1::Rectangle5() {
  return rt::RuntimeCheckCast<rt::Rectangle>(ControlByName("Rectangle5"));
}

rt::Ref<rt::Canvas> Window1::Canvas7() {
  return rt::RuntimeCheckCast<rt::Canvas>(ControlByName("Canvas7"));
}

rt::Ref<rt::Rectangle> Window1::Rectangle6() {
  return rt::RuntimeCheckCast<rt::Rectangle>(ControlByName("Rectangle6"));
}

rt::Ref<rt::Canvas> Window1::Canvas3() {
  return rt::RuntimeCheckCast<rt::Canvas>(ControlByName("Canvas3"));
}

rt::Ref<rt::Rectangle> Window1::Rectangle7() {
  return rt::RuntimeCheckCast<rt::Rectangle>(ControlByName("Rectangle7"));
}

rt::Ref<rt::Canvas> Window1::Canvas6() {
  return rt::RuntimeCheckCast<rt::Canvas>(ControlByName("Canvas6"));
}

rt::Ref<rt::Rectangle> Window1::Rectangle8() {
  return rt::RuntimeCheckCast<rt::Rectangle>(ControlByName("Rectangle8"));
}

rt::Ref<rt::Canvas> Window1::Canvas9() {
  return rt::RuntimeCheckCast<rt::Canvas>(ControlByName("Canvas9"));
}

rt::Ref<rt::Canvas> Window1::Canvas10() {
  return rt::RuntimeCheckCast<rt::Canvas>(ControlByName("Canvas10"));
}

rt::Ref<rt::Timer> Window1::Timer1() {
  return rt::RuntimeCheckCast<rt::Timer>(ControlByName("Timer1"));
}

rt::Ref<rt::Timer> Window1::Timer2() {
  return rt::RuntimeCheckCast<rt::Timer>(ControlByName("Timer2"));
}

rt::Ref<rt::Timer> Window1::Timer3() {
  return rt::RuntimeCheckCast<rt::Timer>(ControlByName("Timer3"));
}

rt::Ref<rt::Label> Window1::StaticText4() {
  return rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText4"));
}

rt::Ref<rt::Label> Window1::StaticText5() {
  return rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText5"));
}

rt::Ref<rt::Label> Window1::StaticText6() {
  return rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText6"));
}

rt::Ref<rt::Timer> Window1::Timer4() {
  return rt::RuntimeCheckCast<rt::Timer>(ControlByName("Timer4"));
}

rt::Ref<rt::Timer> Window1::Timer5() {
  return rt::RuntimeCheckCast<rt::Timer>(ControlByName("Timer5"));
}

rt::Ref<rt::Timer> Window1::Timer6() {
  return rt::RuntimeCheckCast<rt::Timer>(ControlByName("Timer6"));
}

rt::Ref<rt::AppleMenuItem> Window1::CheckforUpdateMenu() {
  return rt::RuntimeCheckCast<rt::AppleMenuItem>(MenuBar()->Lookup("CheckforUpdateMenu"));
}

rt::Ref<rt::AppleMenuItem> Window1::AppleAboutJolvane() {
  return rt::RuntimeCheckCast<rt::AppleMenuItem>(MenuBar()->Lookup("AppleAboutJolvane"));
}

rt::Ref<rt::MenuItem> Window1::CheckforUpdateCheckNow() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("CheckforUpdateCheckNow"));
}

rt::Ref<rt::MenuItem> Window1::ATMMenu() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("ATMMenu"));
}

rt::Ref<rt::MenuItem> Window1::ATMAdd20Tokens() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("ATMAdd20Tokens"));
}

rt::Ref<rt::MenuItem> Window1::SoundMenu() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("SoundMenu"));
}

rt::Ref<rt::MenuItem> Window1::SoundSoundOff() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("SoundSoundOff"));
}

rt::Ref<rt::MenuItem> Window1::SoundSoundOn() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("SoundSoundOn"));
}

rt::Ref<rt::MenuItem> Window1::EditMenu() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("EditMenu"));
}

rt::Ref<rt::MenuItem> Window1::EditClear() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("EditClear"));
}

rt::Ref<rt::MenuItem> Window1::EditPaste() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("EditPaste"));
}

rt::Ref<rt::MenuItem> Window1::EditCopy() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("EditCopy"));
}

rt::Ref<rt::MenuItem> Window1::EditCut() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("EditCut"));
}

rt::Ref<rt::MenuItem> Window1::UntitledMenu0() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("UntitledMenu0"));
}

rt::Ref<rt::MenuItem> Window1::EditUndo() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("EditUndo"));
}

rt::Ref<rt::MenuItem> Window1::UntitledMenu2() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("UntitledMenu2"));
}

rt::Ref<rt::MenuItem> Window1::FileMenu() {
  return rt::RuntimeCheckCast<rt::MenuItem>(MenuBar()->Lookup("FileMenu"));
}

rt::Ref<rt::QuitMenuItem> Window1::FileQuit() {
  return rt::RuntimeCheckCast<rt::QuitMenuItem>(MenuBar()->Lookup("FileQuit"));
}
