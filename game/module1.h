// The game's state, shared by the game window and the application's menu
// commands, and the reel strip with the routines that show a reel.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "rt/rt.h"

namespace Module1 {

// A spin is under way (set at spin start, cleared when the payout is done;
// stays set after a bankruptcy). While set, neither the wager nor a pull is
// taken.
extern bool PlayStarted;
// Tokens at stake on a spin: 1, 5 or 10.
extern int32_t Wager;
// Tokens held; the bankroll label shows it. 0 is bankrupt.
extern int32_t Bankroll;
// A pull has been made and its spin has not yet ended (cleared when reel 3
// stops).
extern bool Pull;
// Sounds are played.
extern bool MySound;
// "False" while a reel turns, "True" once it has stopped; empty before the
// first spin.
extern std::string StopColOne;
extern std::string StopColTwo;
extern std::string StopColThree;
// Positions 1 to 10 of reels 1, 2 and 3 on the reel strip.
extern int32_t j;
extern int32_t k;
extern int32_t l;
// Sevens counted on the middle row by the last payout.
extern int32_t Score;

// The reel strip shared by the three reels, index 1 to 10 at [0] to [9].
using PictureAccessor = rt::Ref<rt::Picture> (*)();
extern const std::array<PictureAccessor, 10> ReelStrip;

// Show reel 1, 2 or 3 at its position (j, k, l): the strip entries p-1, p and
// p+1 on its top, middle and bottom canvases. A position outside 1 to 10
// changes nothing.
void UpdateColOne();
void UpdateColTwo();
void UpdateColThree();

}  // namespace Module1
