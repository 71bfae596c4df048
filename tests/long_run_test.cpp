// A long run of play on the simulated clock: random pulls by handle and space
// bar, wager buttons clicked at any moment, sound switched on and off, refills
// after bankruptcies. After every spin the bankroll must be 20 plus the pay
// table's changes for what the middle row showed (with refills), never below
// 0, and the window must show the game's state.
#include <QTest>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "game/module1.h"
#include "media/media.h"
#include "rt/testing/driver.h"
#include "tests/support/game_fixture.h"

namespace {

using game_test::FileOf;
using game_test::kBankruptMessage;
using game_test::kLowerWagerMessage;
using rt::testing::Advance;
using rt::testing::Now;

class LongRun : public game_test::GameFixture {
 protected:
  int32_t AnyWager() { return std::array<int32_t, 3>{1, 5, 10}[dice() % 3]; }
  std::mt19937 dice{20240611};
};

TEST_F(LongRun, TheBankrollAndTheWindowFollowThePayTableForThousandsOfSpins) {
  constexpr int kSpins = 10000;
  const auto started = std::chrono::steady_clock::now();
  // Nothing here looks at pixels: with the window off the screen the run
  // does not paint it 40 times a spin. The widgets still take the clicks
  // and keys.
  W().widget()->hide();
  int32_t bankroll = 20;  // the model: 20 plus the pay table's changes, refills
  int32_t selected = 1;   // the wager button last chosen or moved to
  bool sound = true;
  int64_t bannerUntil = -1;
  int counts[4] = {}, refills = 0, lowerings = 0;

  for (int spin = 0; spin < kSpins; ++spin) {
    SCOPED_TRACE("spin " + std::to_string(spin));
    // Idle: a few things the player may do before pulling.
    for (int n = dice() % 3; n > 0; --n) {
      switch (dice() % 4) {
        case 0:
          selected = AnyWager();
          ClickWager(selected);
          ASSERT_EQ(Module1::Wager, selected);
          break;
        case 1:
          sound = !sound;
          ASSERT_TRUE(ChooseMenu(sound ? "SoundSoundOn" : "SoundSoundOff"));
          break;
        case 2:
          ASSERT_FALSE(ChooseMenu("ATMAdd20Tokens")) << "the ATM with tokens left";
          break;
        default:
          Advance(dice() % 500);
      }
    }

    // The pull reads the button and lowers a wager above the bankroll.
    int32_t wager = selected;
    const bool lowered = bankroll < wager;
    if (lowered) {
      wager = wager == 10 && 5 < bankroll ? 5 : 1;
      selected = wager;
      ++lowerings;
    }
    const size_t toldBefore = MsgBoxes().size();
    pullAt = Now();
    if (dice() % 2) {
      ClickHandle();
    } else {
      PressKey();
    }
    ASSERT_TRUE(Module1::Pull);
    // Buttons clicked while the pull is pending or the reels turn move the
    // selection only; a menu command may come at any moment.
    At(400 + dice() % 3300, [this, &selected] {
      selected = AnyWager();
      ClickWager(selected);
    });
    if (dice() % 4 == 0) {
      At(200 + dice() % 4000, [this, &sound] {
        sound = !sound;
        ChooseMenu(sound ? "SoundSoundOn" : "SoundSoundOff");
      });
    }
    if (dice() % 4 == 0) {
      Advance(dice() % 250);
      selected = AnyWager();
      ClickWager(selected);
    }
    if (dice() % 4 == 0) ClickHandle();
    if (dice() % 10 == 0) {
      // Now and then a row forced through the game's own drawing, with a
      // seven on a reel twice as often as chance gives it.
      std::array<int32_t, 3> forced;
      for (int32_t& p : forced) p = dice() % 10 == 0 ? 1 : 1 + static_cast<int32_t>(dice() % 10);
      const std::array<int32_t, 3>* positions = &forced;
      FinishSpin(positions);
    } else {
      FinishSpin();
    }
    ASSERT_FALSE(HasFatalFailure());

    // What the middle row shows, read from the files behind its pictures.
    const int32_t sevens = MiddleRowSevens();
    ++counts[sevens];
    const int32_t change[] = {-wager, wager, 5 * wager, 69 * wager};
    bankroll += change[sevens];
    if (sevens == 3) bannerUntil = spinStartAt + 3500 + 8000;

    ASSERT_EQ(Module1::Wager, wager);
    ASSERT_EQ(Module1::Bankroll, bankroll);
    ASSERT_GE(Module1::Bankroll, 0);
    ASSERT_EQ(W().StaticText2()->Text(), std::to_string(bankroll));
    ASSERT_EQ(SelectedWager(), selected);
    ASSERT_EQ(FileOf(W().Canvas10()->Backdrop()), "HandleUp-1.jpg");
    if (Now() != bannerUntil) {
      ASSERT_EQ(W().StaticText6()->Visible(), Now() < bannerUntil);
    }
    std::vector<std::string> told(MsgBoxes().begin() + toldBefore, MsgBoxes().end());
    std::vector<std::string> expected;
    if (lowered) expected.push_back(kLowerWagerMessage);
    if (bankroll == 0) expected.push_back(kBankruptMessage);
    ASSERT_EQ(told, expected);

    if (bankroll == 0) {
      ASSERT_TRUE(Module1::PlayStarted);
      ClickHandle();
      ASSERT_FALSE(Module1::Pull);
      ASSERT_TRUE(ChooseMenu("ATMAdd20Tokens"));
      bankroll = 20;
      ++refills;
      ASSERT_EQ(W().StaticText2()->Text(), "20");
    }
    ASSERT_FALSE(Module1::PlayStarted);
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("%d spins in %.2f s: %d, %d, %d, %d with 0 to 3 sevens; %d refills, %d lowered\n",
              kSpins, seconds, counts[0], counts[1], counts[2], counts[3], refills, lowerings);
  EXPECT_GT(refills, 0);
  EXPECT_GT(lowerings, 0);
  EXPECT_GT(counts[3], 0);
}

}  // namespace
