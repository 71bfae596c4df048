// The payout: counts the sevens on the middle row, pays or takes the wager,
// shows the bankroll and the banner, plays the win sound and unlocks play, or
// stops a player who has run out of tokens.
#include "game/module1.h"
#include "game/window1.h"
#include "media/media.h"

using namespace Module1;

namespace {

// Only the very picture the Seven accessor hands out is a seven; with no
// seven picture nothing is, not even the cells left empty.
bool ShowsSeven(const rt::Ref<rt::Canvas>& cell) {
  rt::Ref<rt::Picture> seven = Seven();
  return seven && cell->Backdrop() == seven;
}

// What a sighted player reads off the window once the reels have stopped,
// for a screen reader to speak: the banner when it shows, the bankroll, and
// the pictures on the pay line (the middle row, the one that pays).
void AnnounceOutcome(Window1& w) {
  std::string text;
  if (w.StaticText6()->Visible()) text = w.StaticText6()->Text() + ". ";
  text += w.StaticText3()->Text() + " " + w.StaticText2()->Text() +
          ". Pay line: " + w.Canvas2()->SpokenName() + ", " + w.Canvas5()->SpokenName() + ", " +
          w.Canvas8()->SpokenName() + ".";
  w.Announce(text);
}

}  // namespace

void Window1::Result() {
  Score = 0;
  // The bankroll label's text is the bankroll of record: the variable is
  // read back from it before anything is paid or taken.
  Bankroll = static_cast<int32_t>(rt::Val(StaticText2()->Text()));
  if (ShowsSeven(Canvas2())) Score = Score + 1;
  if (ShowsSeven(Canvas5())) Score = Score + 1;
  if (ShowsSeven(Canvas8())) Score = Score + 1;
  Canvas7()->Refresh(true);
  Canvas8()->Refresh(true);
  Canvas9()->Refresh(true);

  switch (Score) {
    case 0:
      Bankroll = Bankroll - Wager;
      if (Bankroll == 0) {
        // Play stays locked until the ATM refills the bankroll.
        StaticText2()->SetText(rt::Str(int64_t{Bankroll}));
        StaticText2()->Refresh(true);
        AnnounceOutcome(*this);
        rt::MsgBox("You are bankrupt!  Click on ATM in the Menu Bar and add 20 Tokens.");
        return;
      }
      break;
    case 1:
      Bankroll = Bankroll - Wager + Wager * 2;
      break;
    case 2:
      Bankroll = Bankroll - Wager + Wager * 6;
      break;
    case 3:
      Bankroll = Bankroll - Wager + Wager * 70;
      StaticText6()->SetVisible(true);
      Timer4()->SetMode(rt::Timer::kModeSingle);
      break;
  }
  StaticText2()->SetText(rt::Str(int64_t{Bankroll}));
  StaticText2()->Refresh(true);
  AnnounceOutcome(*this);

  if (MySound) {
    if (Score == 1) PlayToEnd(&smallwin);
    if (Score == 2) PlayToEnd(&medwin);
    if (Score == 3) PlayToEnd(&jackpot);
  }
  PlayStarted = false;
}
