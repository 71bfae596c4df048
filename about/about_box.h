// The About window: product name, credits, running version and three buttons
// that hand the maker's fixed addresses to the system. None of its buttons
// closes it; the title bar's close button does.
#pragma once

#include "rt/rt.h"

class AboutBox : public rt::Window {
 public:
  AboutBox() : rt::Window("AboutBox.AboutBox") {}

  // The implicit instance: the open About window, or a new one, built and
  // shown before it is returned.
  static rt::Ref<AboutBox> Instance();

  // Construction hooks, run once per instance by Window::Constructor.
  void Layout() override;
  void CreateControls() override;
  // Internal to construction: creates the eight controls and binds their events.
  void CreateControls0();

  // Control accessors, in creation order; each looks its control up by name.
  rt::Ref<rt::PushButton> PushButton1();  // "Email Author": the mailto address
  rt::Ref<rt::PushButton> PushButton2();  // "Visit Web Site"
  rt::Ref<rt::Label> StaticText2();       // the credits
  rt::Ref<rt::Label> StaticText1();       // the product name
  rt::Ref<rt::Label> StaticText3();       // "Version:"
  rt::Ref<rt::Label> StaticText4();       // the running version
  rt::Ref<rt::PushButton> Kagi();         // "Support Brenwick": the order page
  rt::Ref<rt::Label> StaticText5();       // the icon credit

  // Event handlers.
  void PushButton1_Action(rt::Ref<rt::PushButton> sender);
  void PushButton2_Action(rt::Ref<rt::PushButton> sender);
  void StaticText4_Open(rt::Ref<rt::Label> sender);
  void Kagi_Action(rt::Ref<rt::PushButton> sender);
};
