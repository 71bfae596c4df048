// A long run of play on the simulated clock: random pulls by handle and space
// bar, wager buttons clicked at any moment, sound switched on and off, refills
// after bankruptcies. After every spin the bankroll must be 20 plus the pay
// table's changes for what the middle row showed (with refills), never below
// 0, and the window must show the game's state.
#include <QTest>
#include <array>
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

// What the game must show, kept beside it by the test from the player's
// actions and the pay table.
struct Model {
  int32_t bankroll = 20;  // 20 plus the pay table's changes, refills
  int32_t selected = 1;   // the wager button last chosen or moved to
  bool sound = true;
  int64_t bannerUntil = -1;
  // For the report at the end: spins by sevens shown, refills, lowerings.
  int counts[4] = {}, refills = 0, lowerings = 0;
};

// One spin's stake as the model has it.
struct Stake {
  int32_t wager;
  bool lowered;  // the pull lowered the wager to the bankroll
};

class LongRun : public game_test::GameFixture {
 protected:
  int32_t AnyWager() { return std::array<int32_t, 3>{1, 5, 10}[dice() % 3]; }

  // Idle: a few things the player may do before pulling.
  void PlayWhileIdle() {
    for (int n = dice() % 3; n > 0; --n) {
      switch (dice() % 4) {
        case 0:
          model.selected = AnyWager();
          ClickWager(model.selected);
          ASSERT_EQ(Module1::Wager, model.selected);
          break;
        case 1:
          model.sound = !model.sound;
          ASSERT_TRUE(ChooseMenu(model.sound ? "SoundSoundOn" : "SoundSoundOff"));
          break;
        case 2:
          ASSERT_FALSE(ChooseMenu("ATMAdd20Tokens")) << "the ATM with tokens left";
          break;
        default:
          Advance(dice() % 500);
      }
    }
  }

  // The model's step at the pull: the pull reads the button and lowers a
  // wager above the bankroll.
  Stake ModelPull() {
    Stake stake{model.selected, model.bankroll < model.selected};
    if (stake.lowered) {
      stake.wager = stake.wager == 10 && 5 < model.bankroll ? 5 : 1;
      model.selected = stake.wager;
      ++model.lowerings;
    }
    return stake;
  }

  // One spin: a pull by handle or space bar, buttons, menus and a second
  // pull at random moments while it runs, and now and then a forced row.
  void PlayOneSpin() {
    pullAt = Now();
    if (dice() % 2) {
      ClickHandle();
    } else {
      PressKey();
    }
    ASSERT_TRUE(Module1::Pull);
    // Buttons clicked while the pull is pending or the reels turn move the
    // selection only; a menu command may come at any moment.
    At(400 + dice() % 3300, [this] {
      model.selected = AnyWager();
      ClickWager(model.selected);
    });
    if (dice() % 4 == 0) {
      At(200 + dice() % 4000, [this] {
        model.sound = !model.sound;
        ChooseMenu(model.sound ? "SoundSoundOn" : "SoundSoundOff");
      });
    }
    if (dice() % 4 == 0) {
      Advance(dice() % 250);
      model.selected = AnyWager();
      ClickWager(model.selected);
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
  }

  // The model's step at the payout: the pay table on what the middle row
  // shows, and the banner on a jackpot.
  void ModelPayout(const Stake& stake) {
    const int32_t sevens = MiddleRowSevens();
    ++model.counts[sevens];
    const int32_t change[] = {-stake.wager, stake.wager, 5 * stake.wager, 69 * stake.wager};
    model.bankroll += change[sevens];
    if (sevens == 3) model.bannerUntil = spinStartAt + 3500 + 8000;
  }

  // The game and its window against the model, and the messages of the
  // spin (those after the first `toldBefore`).
  void ExpectTheModel(const Stake& stake, size_t toldBefore) {
    ASSERT_EQ(Module1::Wager, stake.wager);
    ASSERT_EQ(Module1::Bankroll, model.bankroll);
    ASSERT_GE(Module1::Bankroll, 0);
    ASSERT_EQ(W().StaticText2()->Text(), std::to_string(model.bankroll));
    ASSERT_EQ(SelectedWager(), model.selected);
    ASSERT_EQ(FileOf(W().Canvas10()->Backdrop()), "HandleUp-1.jpg");
    if (Now() != model.bannerUntil) {
      ASSERT_EQ(W().StaticText6()->Visible(), Now() < model.bannerUntil);
    }
    std::vector<std::string> told(MsgBoxes().begin() + toldBefore, MsgBoxes().end());
    std::vector<std::string> expected;
    if (stake.lowered) expected.push_back(kLowerWagerMessage);
    if (model.bankroll == 0) expected.push_back(kBankruptMessage);
    ASSERT_EQ(told, expected);
  }

  // After a bankruptcy play is locked until the ATM refills the bankroll.
  void RefillIfBankrupt() {
    if (model.bankroll == 0) {
      ASSERT_TRUE(Module1::PlayStarted);
      ClickHandle();
      ASSERT_FALSE(Module1::Pull);
      ASSERT_TRUE(ChooseMenu("ATMAdd20Tokens"));
      model.bankroll = 20;
      ++model.refills;
      ASSERT_EQ(W().StaticText2()->Text(), "20");
    }
    ASSERT_FALSE(Module1::PlayStarted);
  }

  std::mt19937 dice{20240611};
  Model model;
};

TEST_F(LongRun, TheBankrollAndTheWindowFollowThePayTableForThousandsOfSpins) {
  constexpr int kSpins = 10000;
  const auto started = std::chrono::steady_clock::now();
  // Nothing here looks at pixels: with the window off the screen the run
  // does not paint it 40 times a spin. The widgets still take the clicks
  // and keys.
  W().widget()->hide();
  for (int spin = 0; spin < kSpins; ++spin) {
    SCOPED_TRACE("spin " + std::to_string(spin));
    ASSERT_NO_FATAL_FAILURE(PlayWhileIdle());
    const Stake stake = ModelPull();
    const size_t toldBefore = MsgBoxes().size();
    ASSERT_NO_FATAL_FAILURE(PlayOneSpin());
    ModelPayout(stake);
    ASSERT_NO_FATAL_FAILURE(ExpectTheModel(stake, toldBefore));
    ASSERT_NO_FATAL_FAILURE(RefillIfBankrupt());
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("%d spins in %.2f s: %d, %d, %d, %d with 0 to 3 sevens; %d refills, %d lowered\n",
              kSpins, seconds, model.counts[0], model.counts[1], model.counts[2], model.counts[3],
              model.refills, model.lowerings);
  EXPECT_GT(model.refills, 0);
  EXPECT_GT(model.lowerings, 0);
  EXPECT_GT(model.counts[3], 0);
}

}  // namespace
