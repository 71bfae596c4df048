// The play cycle of the game window: opening, the wager buttons, the pull by
// handle or space bar, the spin start, the reel steps and the reel stops.
#include "game/module1.h"
#include "game/window1.h"
#include "media/media.h"

using namespace Module1;

namespace {

// A pull, once the wager has been read: lower a wager above the bankroll, set
// the pull pending, show the handle pulled, start the 300 ms to the spin and
// play the click to its end (docs/DEVELOPING.md follows a whole spin).
void PullHandle(Window1& window) {
  if (Bankroll < Wager) {
    rt::MsgBox("I will lower your wager.");
    // Selecting a button raises its Action, which sets Wager: Pull is only
    // set below, and the Action changes the wager only while it is False.
    if (window.RadioButton3()->Value()) {
      if (5 < Bankroll) {
        window.RadioButton2()->SetValue(true);
      } else {
        window.RadioButton1()->SetValue(true);
      }
    } else if (window.RadioButton2()->Value()) {
      window.RadioButton1()->SetValue(true);
    }
  }
  Pull = true;
  window.Canvas10()->SetBackdrop(HandleDown1());
  window.Timer5()->SetMode(rt::Timer::kModeSingle);
  if (MySound) PlayToEnd(&click);
}

// The wager may change only while no pull is pending and no spin is under
// way: a pull has compared it with the bankroll, and the spin is paid on it.
bool WagerMayChange() {
  return !PlayStarted && !Pull;
}

}  // namespace

void Window1::Event_Open() {
  CheckWager();
  // Reels open on positions 2 to 10: only position 1 puts a seven on the
  // middle row.
  rt::Ref<rt::Random> random = rt::RuntimeNewObject<rt::Random>();
  j = random->InRange(2, 10);
  UpdateColOne();
  k = random->InRange(2, 10);
  UpdateColTwo();
  l = random->InRange(2, 10);
  UpdateColThree();
  Canvas10()->SetBackdrop(HandleUp1());
  Score = 0;
  Bankroll = 20;
  StaticText2()->SetText(rt::Str(int64_t{Bankroll}));
  MySound = true;
  PlayStarted = false;
}

void Window1::Event_Close() {
  rt::Quit();
}

// The held space bar counts, not the key text.
bool Window1::Event_KeyDown(const std::string& /*key*/) {
  if (!PlayStarted && !Pull && rt::Keyboard::AsyncKeyDown(rt::Keyboard::kSpace)) {
    CheckWager();
    PullHandle(*this);
  }
  return false;
}

void Window1::RadioButton1_Action(rt::Ref<rt::RadioButton>) {
  if (WagerMayChange()) Wager = 1;
}

void Window1::RadioButton2_Action(rt::Ref<rt::RadioButton>) {
  if (WagerMayChange()) Wager = 5;
}

void Window1::RadioButton3_Action(rt::Ref<rt::RadioButton>) {
  if (WagerMayChange()) Wager = 10;
}

void Window1::CheckWager() {
  if (!WagerMayChange()) return;
  if (RadioButton1()->Value()) {
    Wager = 1;
  } else if (RadioButton2()->Value()) {
    Wager = 5;
  } else {
    Wager = 10;
  }
}

// Where on the handle the click falls does not matter.
bool Window1::Canvas10_MouseDown(rt::Ref<rt::Canvas>, int32_t, int32_t) {
  // A click while the pull is pending pulls again; the 300 ms start anew and
  // one spin follows.
  if (!PlayStarted) {
    CheckWager();
    PullHandle(*this);
  }
  return false;
}

void Window1::Timer1_Action(rt::Ref<rt::Timer>) {
  StopColOne = "True";
}

void Window1::Timer2_Action(rt::Ref<rt::Timer>) {
  StopColTwo = "True";
}

void Window1::Timer3_Action(rt::Ref<rt::Timer>) {
  StopColThree = "True";
  Pull = false;
  Result();
}

void Window1::Timer4_Action(rt::Ref<rt::Timer>) {
  StaticText6()->SetVisible(false);
}

void Window1::Timer5_Action(rt::Ref<rt::Timer>) {
  if (!Pull) return;
  Canvas10()->SetBackdrop(HandleUp1());
  StopColOne = "False";
  StopColTwo = "False";
  StopColThree = "False";
  // Starting points only: the next step advances and draws them.
  rt::Ref<rt::Random> random = rt::RuntimeNewObject<rt::Random>();
  j = random->InRange(1, 10);
  k = random->InRange(1, 10);
  l = random->InRange(1, 10);
  Timer1()->SetMode(rt::Timer::kModeSingle);
  Timer2()->SetMode(rt::Timer::kModeSingle);
  Timer3()->SetMode(rt::Timer::kModeSingle);
  Timer5()->SetMode(rt::Timer::kModeOff);
  Timer6()->SetMode(rt::Timer::kModeMultiple);
  PlayStarted = true;
}

void Window1::Timer6_Action(rt::Ref<rt::Timer>) {
  // Every position moves on, also of the reels that have stopped; only the
  // turning ones are drawn, so a stopped reel keeps its pictures.
  if (++j == 11) j = 1;
  if (++k == 11) k = 1;
  if (++l == 11) l = 1;
  if (StopColOne == "False") UpdateColOne();
  if (StopColTwo == "False") UpdateColTwo();
  if (StopColThree == "False") UpdateColThree();
  Window1::Instance()->Refresh(true);
}
