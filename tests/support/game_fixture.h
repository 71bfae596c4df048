// A running game for a test: the program's start-up pieces (class tables,
// early start-up with the application object and its menu bar, the late
// start-up that builds the game window) on the simulated clock, with media
// files of known content and duration in a folder of the test's own, and the
// helpers with which a test plays as the player does: clicks on the handle
// and the wager buttons, the space bar, the menus.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <array>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "game/window1.h"
#include "rt/rt.h"
#include "rt/testing/driver.h"

namespace game_test {

// What the test media hold: each picture a flat colour of its own, each
// sound a silent PCM WAV of this length.
struct SoundLengths {
  int32_t clickMs = 120;
  int32_t smallwinMs = 600;
  int32_t medwinMs = 900;
  int32_t jackpotMs = 1500;
};

// The twelve picture and four sound file names the game opens.
const std::vector<std::string>& PictureFiles();
const std::vector<std::string>& SoundFiles();

// Writes the sixteen files into `folder`: symbols 70 x 63, handles 43 x 150.
void WriteMediaFiles(const std::string& folder, const SoundLengths& lengths = {});
// A JPEG of w x h in one colour; a PCM WAV (mono, 16 bit) of `ms` of
// silence at `rate` frames a second.
void WriteJpeg(const std::string& path, int w, int h, uint32_t rgb);
void WriteWav(const std::string& path, int32_t ms, uint32_t rate = 8000);

// The file a picture was opened from ("7.jpg"), or "" for nil.
std::string FileOf(const rt::Ref<rt::Picture>& picture);

class GameFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs start-up (SetUp calls it unless startInSetUp is false); the game
  // window is open afterwards.
  void StartProgram();
  // Whether SetUp starts the program; a test that prepares the media first
  // sets it false in its constructor.
  bool startInSetUp = true;
  // The folder the game takes its media from, filled by SetUp.
  std::string MediaFolder() const { return media_.path().toStdString(); }
  SoundLengths lengths;
  // The seed of the runtime's random generator for the run.
  uint32_t seed = 12345;

  Window1& W();

  // The player's actions, through the real widgets.
  void ClickHandle();
  // Clicks the wager button "1", "5" or "10".
  void ClickWager(int32_t wager);
  // A key press in the game window with the space bar held or not; by
  // default the space bar itself, sent to the widget that has the focus.
  void PressKey(bool spaceHeld = true, int qtKey = 0x20 /* Qt::Key_Space */);
  // Chooses a menu item as the player does (the menus are enabled first).
  // Returns whether its command ran.
  bool ChooseMenu(const std::string& itemName);
  // The wager button that is selected: 1, 5, 10, or 0 for none.
  int32_t SelectedWager();

  // A whole spin from a handle click, with the middle rows forced through
  // the game's own positions and reel drawing: each reel, once stopped (reel
  // 3 right before it stops), is drawn at the given position. Returns when
  // the payout is done (play unlocked, or locked by a bankruptcy).
  void SpinTo(const std::array<int32_t, 3>& positions);
  // A spin whose reels stop where the random draws leave them.
  void Spin();
  // The rest of a spin whose pull has been made; forced as SpinTo when
  // `positions` is given.
  void FinishSpin(const std::array<int32_t, 3>* positions = nullptr);
  // Virtual times, from the last pull of SpinTo/Spin.
  int64_t pullAt = 0, spinStartAt = 0;

  // The nine reel cells, row by row, and the middle row the pay table reads.
  std::vector<rt::Ref<rt::Canvas>> Cells();
  std::vector<rt::Ref<rt::Canvas>> MiddleRow();
  // How many sevens the middle row shows, read from the files behind its
  // pictures.
  int32_t MiddleRowSevens();

  // Sets the bankroll as if a payout had left it (the label is the
  // bankroll of record).
  void SetBankroll(int32_t tokens);

  const std::vector<std::string>& MsgBoxes();

  // What the ATM leaves: a bankroll of 20, shown; play unlocked; the wager
  // and the selected wager button as they were.
  void ExpectRefilled(int32_t wager, int32_t selected);

  // Runs `action` on the event loop `delayMs` of virtual time from now, also
  // inside a wait of the game's (a sound, a message box).
  void At(int32_t delayMs, std::function<void()> action);

  // Shows an empty window modally, runs `inside` while it blocks the game
  // window, then closes it; returns whether it closed.
  bool InsideAModalWindow(const std::function<void()>& inside);

 private:
  QTemporaryDir media_;
  std::vector<rt::Ref<rt::Timer>> timers_;
  bool started_ = false;
};

// Positions whose middle cell shows a seven (1) or not; 2 and 10 keep the
// seven on the reel, in the top and the bottom cell.
inline constexpr int32_t kSevenMiddle = 1;
inline constexpr int32_t kSevenTop = 2;
inline constexpr int32_t kSevenBottom = 10;
inline constexpr int32_t kNoSeven = 5;

// What the game tells the player, word for word.
inline constexpr char kBankruptMessage[] =
    "You are bankrupt!  Click on ATM in the Menu Bar and add 20 Tokens.";
inline constexpr char kLowerWagerMessage[] = "I will lower your wager.";

// A seed of the runtime's random generator as a test's parameter, shown in
// the test's name as "seed 7".
struct Seed {
  uint32_t value;
};
void PrintTo(const Seed& seed, std::ostream* os);
// The seeds first..last, for INSTANTIATE_TEST_SUITE_P.
std::vector<Seed> Seeds(uint32_t first, uint32_t last);

}  // namespace game_test
