// The payout: the pay table on the middle row, the banner and its 8000 ms,
// the win sounds and their waits, the bankruptcy at exactly 0 and its lock.
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "game/module1.h"
#include "media/media.h"
#include "rt/testing/driver.h"
#include "tests/support/game_fixture.h"

namespace {

using game_test::kBankruptMessage;
using game_test::kNoSeven;
using game_test::kSevenBottom;
using game_test::kSevenMiddle;
using game_test::kSevenTop;
using game_test::SoundLengths;
using rt::testing::Advance;
using rt::testing::AdvanceUntil;
using rt::testing::Now;

class Payout : public game_test::GameFixture {};

// The middle rows, by the positions where the reels stop.
constexpr int32_t M = kSevenMiddle, N = kNoSeven, T = kSevenTop, B = kSevenBottom;

struct PayCase {
  const char* name;
  int32_t wager;
  std::array<int32_t, 3> positions;
  int32_t score, bankroll;
};

void PrintTo(const PayCase& c, std::ostream* os) {
  *os << c.name;
}

class PayoutTable : public Payout, public ::testing::WithParamInterface<PayCase> {};

TEST_P(PayoutTable, TheMiddleRowPaysByThePayTable) {
  const PayCase& c = GetParam();
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

// From a bankroll of 20, which no wager here exceeds: no lowering.
INSTANTIATE_TEST_SUITE_P(
    Rows, PayoutTable,
    ::testing::Values(PayCase{"no seven", 5, {N, N, N}, 0, 15},
                      PayCase{"one seven on reel 1", 5, {M, N, N}, 1, 25},
                      PayCase{"one seven on reel 2", 5, {N, M, N}, 1, 25},
                      PayCase{"one seven on reel 3", 5, {N, N, M}, 1, 25},
                      PayCase{"two sevens", 5, {M, N, M}, 2, 45},
                      PayCase{"three sevens", 5, {M, M, M}, 3, 365},
                      PayCase{"sevens in the top row", 5, {T, T, T}, 0, 15},
                      PayCase{"sevens in the bottom row", 5, {B, B, B}, 0, 15},
                      PayCase{"one seven in the middle, the others off it", 5, {T, M, B}, 1, 25},
                      PayCase{"wager 1, no seven", 1, {N, N, N}, 0, 19},
                      PayCase{"wager 1, one seven", 1, {N, M, N}, 1, 21},
                      PayCase{"wager 1, two sevens", 1, {M, M, N}, 2, 25},
                      PayCase{"wager 1, three sevens", 1, {M, M, M}, 3, 89},
                      PayCase{"wager 10, no seven", 10, {N, N, N}, 0, 10},
                      PayCase{"wager 10, one seven", 10, {N, N, M}, 1, 30},
                      PayCase{"wager 10, two sevens", 10, {N, M, M}, 2, 70},
                      PayCase{"wager 10, three sevens", 10, {M, M, M}, 3, 710}));

struct WinSoundCase {
  std::array<int32_t, 3> positions;
  bool soundOn;
  // The sound waited for, nullptr for none; its length is the fixture's.
  int32_t SoundLengths::*sound;
};

void PrintTo(const WinSoundCase& c, std::ostream* os) {
  int32_t sevens = 0;
  for (int32_t p : c.positions) sevens += p == kSevenMiddle;
  *os << sevens << (sevens == 1 ? " seven" : " sevens")
      << (c.soundOn ? ", sound on" : ", sound off");
}

class PayoutWinSound : public Payout, public ::testing::WithParamInterface<WinSoundCase> {};

TEST_P(PayoutWinSound, TheWinSoundIsWaitedForOnlyWithSoundOn) {
  const WinSoundCase& c = GetParam();
  const int32_t waitMs = c.sound ? lengths.*c.sound : 0;
  if (!c.soundOn) {
    ASSERT_TRUE(ChooseMenu("SoundSoundOff"));
  }
  // A pull tried during the wait is not taken: play is still locked.
  At(3800 + waitMs / 2, [this] { ClickHandle(); });
  SpinTo(c.positions);
  const int64_t stop3 = spinStartAt + 3500;
  EXPECT_GE(Now() - stop3, waitMs);
  EXPECT_LT(Now() - stop3, waitMs + 100);
  EXPECT_FALSE(Module1::PlayStarted);
  EXPECT_FALSE(Module1::Pull);
  // Unlocked: the next pull is taken.
  ClickHandle();
  EXPECT_TRUE(Module1::Pull);
}

INSTANTIATE_TEST_SUITE_P(Rows, PayoutWinSound,
                         ::testing::Values(WinSoundCase{{N, N, N}, true, nullptr},
                                           WinSoundCase{{M, N, N}, true, &SoundLengths::smallwinMs},
                                           WinSoundCase{{M, M, N}, true, &SoundLengths::medwinMs},
                                           WinSoundCase{{M, M, M}, true, &SoundLengths::jackpotMs},
                                           WinSoundCase{{M, N, N}, false, nullptr},
                                           WinSoundCase{{M, M, M}, false, nullptr}));

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
  ExpectRefilled(1, 10);
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
