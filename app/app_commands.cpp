// The application's menu commands and its two menu events: the About and
// version windows, the Sound menu's switch and check marks, and the ATM's
// refill, usable only when the player has no tokens left.
#include "about/about_box.h"
#include "app/app.h"
#include "app/menu_accessors.h"
#include "game/module1.h"
#include "game/window1.h"
#include "update/self_test.h"

void App::Event_Open() {
  SoundSoundOn()->SetChecked(true);
  SoundSoundOff()->SetChecked(false);
}

void App::Event_EnableMenuItems() {
  if (Module1::Bankroll == 0) {
    ATMAdd20Tokens()->Enable();
  } else {
    ATMAdd20Tokens()->SetEnabled(false);
  }
}

// The About item: shows the one About window without blocking.
bool App::AppleAboutJolvane_Action() {
  AboutBox::Instance()->Show();
  return false;
}

// "Check Now": shows the version window without blocking.
bool App::CheckforUpdateCheckNow_Action() {
  selfTest::Instance()->Show();
  return false;
}

bool App::SoundSoundOff_Action() {
  Module1::MySound = false;
  SoundSoundOff()->SetChecked(true);
  SoundSoundOn()->SetChecked(false);
  return false;
}

bool App::SoundSoundOn_Action() {
  Module1::MySound = true;
  SoundSoundOn()->SetChecked(true);
  SoundSoundOff()->SetChecked(false);
  return false;
}

bool App::ATMAdd20Tokens_Action() {
  Module1::Bankroll = 20;
  // The payout reads the bankroll back from the label, so both agree.
  Window1::Instance()->StaticText2()->SetText(rt::Str(int64_t{20}));
  Window1::Instance()->Refresh(true);
  Module1::PlayStarted = false;
  return false;
}
