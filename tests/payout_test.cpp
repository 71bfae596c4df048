// The payout: the pay table on the middle row, the banner and its 8000 ms,
// the win sounds and their waits, the bankruptcy at exactly 0 and its lock.
#include <array>
#include <string>
#include <vector>

#include "game/module1.h"
#include "media/media.h"
#include "rt/testing/driver.h"
#include "tests/support/game_fixture.h"

namespace {

using game_test::kNoSeven;
using game_test::kSevenBottom;
using game_test::kSevenMiddle;
using game_test::kSevenTop;
using rt::testing::Advance;
using rt::testing::AdvanceUntil;
using rt::testing::Now;

using game_test::kBankruptMessage;

class Payout : public game_test::GameFixture {};

TEST_F(Payout, TheMiddleRowPaysByThePayTable) {
  struct Case {
    const char* name;
    int32_t wager;
    std::array<int32_t, 3> positions;
    int32_t score, bankroll;
  };
  const int32_t M = kSevenMiddle, N = kNoSeven, T = kSevenTop, B = kSevenBottom;
  // From a bankroll of 20, which no wager here exceeds: no lowering.
  const Case cases[] = {
      {"no seven", 5, {N, N, N}, 0, 15},
      {"one seven on reel 1", 5, {M, N, N}, 1, 25},
      {"one seven on reel 2", 5, {N, M, N}, 1, 25},
      {"one seven on reel 3", 5, {N, N, M}, 1, 25},
      {"two sevens", 5, {M, N, M}, 2, 45},
      {"three sevens", 5, {M, M, M}, 3, 365},
      {"sevens in the top row", 5, {T, T, T}, 0, 15},
      {"sevens in the bottom row", 5, {B, B, B}, 0, 15},
      {"one seven in the middle, the others off it", 5, {T, M, B}, 1, 25},
      {"wager 1, no seven", 1, {N, N, N}, 0, 19},
      {"wager 1, one seven", 1, {N, M, N}, 1, 21},
      {"wager 1, two sevens", 1, {M, M, N}, 2, 25},
      {"wager 1, three sevens", 1, {M, M, M}, 3, 89},
      {"wager 10, no seven", 10, {N, N, N}, 0, 10},
      {"wager 10, one seven", 10, {N, N, M}, 1, 30},
      {"wager 10, two sevens", 10, {N, M, M}, 2, 70},
      {"wager 10, three sevens", 10, {M, M, M}, 3, 710},
  };
  for (const Case& c : cases) {
    TearDown();
    SetUp();
    SCOPED_TRACE(c.name);
    ClickWager(c.wager);
    SpinTo(c.positions);
    EXPECT_EQ(Module1::Wager, c.wager);
    EXPECT_EQ(Module1::Score, c.score);
    EXPECT_EQ(Module1::Bankroll, c.bankroll);
    EXPECT_EQ(W().StaticText2()->Text(), std::to_string(c.bankroll));
    EXPECT_EQ(W().StaticText6()->Visible(), c.score == 3);
    EXPECT_FALSE(Module1::PlayStarted);
    EXPECT_TRUE(MsgBoxes().empty());
  }
}

TEST_F(Payout, TheWinSoundIsWaitedForOnlyWithSoundOn) {
  struct Case {
    std::array<int32_t, 3> positions;
    bool soundOn;
    int32_t waitMs;
  };
  const int32_t M = kSevenMiddle, N = kNoSeven;
  const Case cases[] = {
      {{N, N, N}, true, 0},
      {{M, N, N}, true, lengths.smallwinMs},
      {{M, M, N}, true, lengths.medwinMs},
      {{M, M, M}, true, lengths.jackpotMs},
      {{M, N, N}, false, 0},
      {{M, M, M}, false, 0},
  };
  for (const Case& c : cases) {
    TearDown();
    SetUp();
    SCOPED_TRACE(std::to_string(c.waitMs) + (c.soundOn ? " with sound" : " without sound"));
    if (!c.soundOn) {
      ASSERT_TRUE(ChooseMenu("SoundSoundOff"));
    }
    // A pull tried during the wait is not taken: play is still locked.
    At(3800 + c.waitMs / 2, [this] { ClickHandle(); });
    SpinTo(c.positions);
    const int64_t stop3 = spinStartAt + 3500;
    EXPECT_GE(Now() - stop3, c.waitMs);
    EXPECT_LT(Now() - stop3, c.waitMs + 100);
    EXPECT_FALSE(Module1::PlayStarted);
    EXPECT_FALSE(Module1::Pull);
    // Unlocked: the next pull is taken.
    ClickHandle();
    EXPECT_TRUE(Module1::Pull);
  }
}

// A sound file whose header claims hours (a valid WAV of 7 KB at 1 Hz)
// holds play no longer than the runtime's bound on a sound.
TEST_F(Payout, ASoundThatClaimsHoursLocksPlayAtMostTheBound) {
  // 1 Hz, mono, 16 bit: 7200 frames, 14 KB, two hours.
  const auto hoursLong = [this](const char* file) {
    game_test::WriteWav(MediaFolder() + "/" + file, 2 * 3600 * 1000, 1);
  };
  // The win sound: play unlocks at the bound after reel 3 stops.
  hoursLong("smallwin.wav");
  At(3800 + 5000, [this] { ClickHandle(); });  // tried during the wait: not taken
  SpinTo({kSevenMiddle, kNoSeven, kNoSeven});
  EXPECT_EQ(Now() - (spinStartAt + 3500), rt::Sound::kLongestPlayMs);
  EXPECT_FALSE(Module1::PlayStarted);
  EXPECT_FALSE(Module1::Pull);
  EXPECT_EQ(Module1::Bankroll, 21);  // wager 1, one seven

  // The click: the pull's handler returns at the bound, the spin played
  // inside its wait.
  hoursLong("click.wav");
  ForgetCachedMedia();
  const int64_t pulled = Now();
  ClickHandle();
  EXPECT_EQ(Now() - pulled, rt::Sound::kLongestPlayMs);
  EXPECT_EQ(Module1::StopColThree, "True");
  EXPECT_FALSE(Module1::Pull);
  EXPECT_FALSE(Module1::PlayStarted);
}

TEST_F(Payout, TheJackpotBannerShowsFor8000Ms) {
  SpinTo({kSevenMiddle, kSevenMiddle, kSevenMiddle});
  const int64_t shownAt = spinStartAt + 3500;
  EXPECT_TRUE(W().StaticText6()->Visible());
  // A pull does not hide it.
  Spin();
  EXPECT_TRUE(W().StaticText6()->Visible());
  Advance(shownAt + 7990 - Now());
  EXPECT_TRUE(W().StaticText6()->Visible());
  ASSERT_TRUE(AdvanceUntil([this] { return !W().StaticText6()->Visible(); }, 1000));
  EXPECT_EQ(Now(), shownAt + 8000);
}

TEST_F(Payout, ASecondJackpotWithin8000MsKeepsTheBannerUntilItsOwnTimerFires) {
  SpinTo({kSevenMiddle, kSevenMiddle, kSevenMiddle});
  const int64_t first = spinStartAt + 3500;
  SpinTo({kSevenMiddle, kSevenMiddle, kSevenMiddle});
  const int64_t second = spinStartAt + 3500;
  ASSERT_LT(second - first, 8000);
  EXPECT_EQ(Module1::Bankroll, 20 + 69 + 69);
  Advance(first + 8010 - Now());
  EXPECT_TRUE(W().StaticText6()->Visible());
  ASSERT_TRUE(AdvanceUntil([this] { return !W().StaticText6()->Visible(); }, 9000));
  EXPECT_EQ(Now(), second + 8000);
}

TEST_F(Payout, ALossToExactlyZeroIsBankruptAndLocksPlayUntilTheATM) {
  SetBankroll(1);
  std::string figureAtMessage;
  rt::testing::OnMsgBox([&](const std::string&) { figureAtMessage = W().StaticText2()->Text(); });
  SpinTo({kNoSeven, kNoSeven, kNoSeven});
  EXPECT_EQ(figureAtMessage, "0") << "the figure is shown before the message";
  EXPECT_EQ(W().StaticText2()->Text(), "0");
  EXPECT_EQ(Module1::Bankroll, 0);
  EXPECT_EQ(MsgBoxes(), std::vector<std::string>{kBankruptMessage});
  EXPECT_TRUE(Module1::PlayStarted);

  // Locked: handle, space bar and wager buttons do nothing.
  const int64_t t = Now();
  ClickHandle();
  PressKey();
  ClickWager(10);
  EXPECT_FALSE(Module1::Pull);
  EXPECT_EQ(Now(), t);
  EXPECT_EQ(Module1::Wager, 1);
  Advance(20000);
  EXPECT_FALSE(Module1::Pull);
  EXPECT_EQ(MsgBoxes().size(), 1u);

  // The ATM is the way out; it leaves the wager and its button alone.
  ASSERT_TRUE(ChooseMenu("ATMAdd20Tokens"));
  EXPECT_EQ(Module1::Bankroll, 20);
  EXPECT_EQ(W().StaticText2()->Text(), "20");
  EXPECT_FALSE(Module1::PlayStarted);
  EXPECT_EQ(Module1::Wager, 1);
  EXPECT_EQ(SelectedWager(), 10);
  EXPECT_FALSE(ChooseMenu("ATMAdd20Tokens"));  // disabled again

  // Play goes on, on the wager the buttons now show.
  SpinTo({kNoSeven, kNoSeven, kNoSeven});
  EXPECT_EQ(Module1::Bankroll, 10);
}

TEST_F(Payout, ALossThatLeavesTokensUnlocksAtOnceWithoutASound) {
  SpinTo({kNoSeven, kNoSeven, kNoSeven});
  EXPECT_EQ(Now(), spinStartAt + 3500);
  EXPECT_EQ(Module1::Bankroll, 19);
  EXPECT_FALSE(Module1::PlayStarted);
}

}  // namespace
