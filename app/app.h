// The application object: the program's one Application, which carries the
// menu commands (bound by item name at start-up) and the application events.
// Its members are defined in app/app.cpp (the instance and the registration)
// and app/app_commands.cpp (the events and the menu commands).
#pragma once

#include "rt/rt.h"

class App : public rt::Application {
 public:
  // The registered application object (the global function App).
  static rt::Ref<App> Instance();
  // Builds the class record under the registered name "App".
  static const rt::ClassRecord& RegisterClass();

  void Event_Open() override;
  void Event_EnableMenuItems() override;
  // Menu commands; each returns False.
  bool AppleAboutJolvane_Action();       // opens the About window
  bool CheckforUpdateCheckNow_Action();  // opens the version window
  bool SoundSoundOff_Action();
  bool SoundSoundOn_Action();
  bool ATMAdd20Tokens_Action();
  void Constructor() {}
};
