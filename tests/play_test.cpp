// The play cycle through the real widgets: the window opening, the pull by
// handle and space bar with their guards, the click and its wait, the spin's
// timing, the wager buttons and the lowering of a wager above the bankroll.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QKeySequence>
#include <QMessageBox>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <array>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "game/module1.h"
#include "media/media.h"
#include "rt/testing/driver.h"
#include "tests/support/game_fixture.h"
#include "tests/support/plain_window.h"
#include "tests/support/real_box.h"

namespace {

using game_test::FileOf;
using game_test::kBankruptMessage;
using game_test::kLowerWagerMessage;
using game_test::kNoSeven;
using game_test::kSevenMiddle;
using rt::testing::Advance;
using rt::testing::AdvanceUntil;
using rt::testing::Now;

class Play : public game_test::GameFixture {
 protected:
  bool AllTimersOff() {
    for (const rt::Ref<rt::Timer>& t :
         {W().Timer1(), W().Timer2(), W().Timer3(), W().Timer4(), W().Timer5(), W().Timer6()}) {
      if (t->Mode() != rt::Timer::kModeOff) return false;
    }
    return true;
  }
  std::string Handle() { return FileOf(W().Canvas10()->Backdrop()); }
  // The spin of the pull just made ends; then nothing more happens for 10 s.
  void ExpectOneSpinFrom(int64_t spinStart) {
    ASSERT_TRUE(AdvanceUntil([] { return Module1::PlayStarted; }, 2000));
    EXPECT_EQ(Now(), spinStart);
    ASSERT_TRUE(AdvanceUntil([] { return !Module1::Pull && !Module1::PlayStarted; }, 5000));
    const std::string label = W().StaticText2()->Text();
    Advance(10000);
    EXPECT_EQ(Module1::StopColOne, "True");
    EXPECT_FALSE(Module1::Pull);
    EXPECT_FALSE(Module1::PlayStarted);
    EXPECT_EQ(W().StaticText2()->Text(), label);
    EXPECT_EQ(W().Timer5()->Mode(), rt::Timer::kModeOff);
    EXPECT_EQ(W().Timer3()->Mode(), rt::Timer::kModeOff);
  }
};

// A click long enough that events run inside its wait after the 300 ms.
class PlayLongClick : public Play {
 protected:
  PlayLongClick() { lengths.clickMs = 800; }
};

// The opening reels come from the random generator: each seed opens a game.
class PlayOpening : public Play, public ::testing::WithParamInterface<game_test::Seed> {
 protected:
  PlayOpening() { seed = GetParam().value; }
};

TEST_P(PlayOpening, TheWindowOpensWithWagerOneTwentyTheHandleUpAndNoSevenOnTheMiddleRow) {
  EXPECT_EQ(Module1::Wager, 1);
  EXPECT_EQ(SelectedWager(), 1);
  EXPECT_EQ(Module1::Bankroll, 20);
  EXPECT_EQ(W().StaticText2()->Text(), "20");
  EXPECT_TRUE(W().Canvas10()->Backdrop() == HandleUp1());
  for (int32_t p : {Module1::j, Module1::k, Module1::l}) {
    EXPECT_GE(p, 2);
    EXPECT_LE(p, 10);
  }
  for (const rt::Ref<rt::Canvas>& middle : MiddleRow()) {
    EXPECT_FALSE(middle->Backdrop().IsNil());
    EXPECT_NE(FileOf(middle->Backdrop()), "7.jpg");
  }
  EXPECT_TRUE(Module1::MySound);
  EXPECT_FALSE(Module1::PlayStarted);
  EXPECT_FALSE(Module1::Pull);
  EXPECT_EQ(Module1::Score, 0);
  EXPECT_FALSE(W().StaticText6()->Visible());
  EXPECT_TRUE(AllTimersOff());
  EXPECT_TRUE(MsgBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Seeds, PlayOpening, ::testing::ValuesIn(game_test::Seeds(1, 40)));

TEST_F(Play, APullPlaysTheClickThenTheReelsStopInOrderAndThePayoutRunsOnce) {
  const int64_t t0 = Now();
  ClickHandle();
  // The handler returns when the click has played.
  EXPECT_EQ(Now() - t0, lengths.clickMs);
  EXPECT_TRUE(Module1::Pull);
  EXPECT_FALSE(Module1::PlayStarted);
  EXPECT_EQ(Handle(), "HandleDown-1.jpg");
  EXPECT_EQ(W().Timer5()->Mode(), rt::Timer::kModeSingle);

  ASSERT_TRUE(AdvanceUntil([] { return Module1::PlayStarted; }, 1000));
  EXPECT_EQ(Now() - t0, 300);
  EXPECT_EQ(Handle(), "HandleUp-1.jpg");
  EXPECT_EQ(Module1::StopColOne, "False");
  EXPECT_EQ(Module1::StopColThree, "False");

  ASSERT_TRUE(AdvanceUntil([] { return Module1::StopColOne == "True"; }, 5000));
  EXPECT_EQ(Now() - t0, 1800);
  EXPECT_EQ(Module1::StopColTwo, "False");
  ASSERT_TRUE(AdvanceUntil([] { return Module1::StopColTwo == "True"; }, 5000));
  EXPECT_EQ(Now() - t0, 2800);
  EXPECT_EQ(Module1::StopColThree, "False");
  ASSERT_TRUE(AdvanceUntil([] { return Module1::StopColThree == "True"; }, 5000));
  EXPECT_FALSE(Module1::Pull);

  // Paid once, on what the middle row shows.
  const int32_t sevens = MiddleRowSevens();
  const int32_t change[] = {-1, 1, 5, 69};
  const int32_t soundMs[] = {0, lengths.smallwinMs, lengths.medwinMs, lengths.jackpotMs};
  EXPECT_GE(Now() - t0 - 3800, soundMs[sevens]);
  EXPECT_EQ(Module1::Score, sevens);
  EXPECT_EQ(Module1::Bankroll, 20 + change[sevens]);
  EXPECT_EQ(W().StaticText2()->Text(), std::to_string(20 + change[sevens]));
  Advance(10000);
  EXPECT_EQ(Module1::Bankroll, 20 + change[sevens]);
  EXPECT_FALSE(Module1::PlayStarted);
}

TEST_F(Play, ASecondClickWithin300MsPlaysTheClickAgainAndGivesOneSpin) {
  const int64_t t0 = Now();
  ClickHandle();
  Advance(200 - (Now() - t0));
  ClickHandle();
  EXPECT_EQ(Now() - t0, 200 + lengths.clickMs);
  // The 300 ms count again from the second pull.
  ExpectOneSpinFrom(t0 + 500);
}

TEST_F(PlayLongClick, ASecondClickDuringTheClickWaitGivesOneSpin) {
  const int64_t t0 = Now();
  At(200, [this] { ClickHandle(); });
  ClickHandle();
  // The nested pull's wait ends with the second click; the spin has
  // started inside it, 300 ms after that pull.
  EXPECT_EQ(Now() - t0, 200 + lengths.clickMs);
  EXPECT_TRUE(Module1::PlayStarted);
  ASSERT_TRUE(AdvanceUntil([] { return !Module1::Pull && !Module1::PlayStarted; }, 5000));
  EXPECT_EQ(Module1::StopColThree, "True");
  const std::string label = W().StaticText2()->Text();
  Advance(10000);
  EXPECT_EQ(W().StaticText2()->Text(), label);
  EXPECT_FALSE(Module1::PlayStarted);
}

TEST_F(Play, WithSoundOffThePullReturnsAtOnce) {
  ASSERT_TRUE(ChooseMenu("SoundSoundOff"));
  const int64_t t0 = Now();
  ClickHandle();
  EXPECT_EQ(Now(), t0);
  EXPECT_TRUE(Module1::Pull);
  ExpectOneSpinFrom(t0 + 300);
}

struct KeyCase {
  const char* name;
  bool spaceHeld;
  int key;
  bool pulls;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
  *os << c.name;
}

class PlayKey : public Play, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(PlayKey, TheSpaceBarPullsOnlyWhileHeldAndNoPullIsPendingOrSpinning) {
  const KeyCase& c = GetParam();
  const int64_t t0 = Now();
  PressKey(c.spaceHeld, c.key);
  EXPECT_EQ(Module1::Pull, c.pulls);
  EXPECT_EQ(Handle(), c.pulls ? "HandleDown-1.jpg" : "HandleUp-1.jpg");
  EXPECT_EQ(Now() - t0, c.pulls ? lengths.clickMs : 0);
  if (c.pulls) ExpectOneSpinFrom(t0 + 300);
}

INSTANTIATE_TEST_SUITE_P(Keys, PlayKey,
                         ::testing::Values(KeyCase{"space bar", true, Qt::Key_Space, true},
                                           KeyCase{"another key while the space bar is held", true,
                                                   Qt::Key_A, true},
                                           KeyCase{"another key alone", false, Qt::Key_A, false},
                                           KeyCase{"return alone", false, Qt::Key_Return, false}));

TEST_F(Play, TheSpaceBarIsIgnoredWhileAPullIsPending) {
  const int64_t t0 = Now();
  ClickHandle();
  Advance(150 - (Now() - t0));
  PressKey();
  // No second click, and the 300 ms were not started again.
  EXPECT_EQ(Now() - t0, 150);
  ExpectOneSpinFrom(t0 + 300);
}

TEST_F(Play, DuringASpinHandleSpaceBarAndWagerButtonsDoNothing) {
  ClickHandle();
  ASSERT_TRUE(AdvanceUntil([] { return Module1::PlayStarted; }, 1000));
  Advance(500);
  const int64_t t = Now();
  ClickHandle();
  PressKey();
  EXPECT_EQ(Now(), t);  // no click played
  EXPECT_EQ(W().Timer5()->Mode(), rt::Timer::kModeOff);
  EXPECT_EQ(Handle(), "HandleUp-1.jpg");
  ClickWager(10);
  EXPECT_EQ(SelectedWager(), 10);  // the button moves...
  EXPECT_EQ(Module1::Wager, 1);    // ...the wager does not
  ASSERT_TRUE(AdvanceUntil([] { return !Module1::PlayStarted; }, 10000));
  EXPECT_TRUE(MsgBoxes().empty());
  // The next pull reads the selection before comparing it with the bankroll.
  SetBankroll(12);
  ClickHandle();
  EXPECT_EQ(Module1::Wager, 10);
  EXPECT_TRUE(MsgBoxes().empty());
}

// A screen reader hears the game window and the pictures, and its press on
// the handle takes the click's path: in idle it pulls, during a spin it does
// nothing, as a click.
TEST_F(Play, AScreenReaderHearsTheReelsAndItsPressOnTheHandlePullsAsAClick) {
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(W().widget());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(window->text(QAccessible::Name).toStdString(), "Jolvane");
  QAccessibleInterface* handle = QAccessible::queryAccessibleInterface(W().Canvas10()->widget());
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(handle->role(), QAccessible::Button);
  auto name = [](QAccessibleInterface* i) { return i->text(QAccessible::Name).toStdString(); };
  EXPECT_EQ(name(handle), "Handle Up");
  QAccessibleActionInterface* actions = handle->actionInterface();
  ASSERT_NE(actions, nullptr);
  const QString press = QAccessibleActionInterface::pressAction();
  ASSERT_TRUE(actions->actionNames().contains(press));

  const int64_t t0 = Now();
  actions->doAction(press);
  EXPECT_EQ(Now() - t0, lengths.clickMs);  // the click played
  EXPECT_TRUE(Module1::Pull);
  EXPECT_EQ(name(handle), "Handle Down");
  ASSERT_TRUE(AdvanceUntil([] { return Module1::PlayStarted; }, 1000));
  EXPECT_EQ(name(handle), "Handle Up");
  Advance(500);
  const int64_t t = Now();
  actions->doAction(press);
  EXPECT_EQ(Now(), t);  // no click played
  EXPECT_EQ(W().Timer5()->Mode(), rt::Timer::kModeOff);
  ASSERT_TRUE(AdvanceUntil([] { return !Module1::PlayStarted; }, 10000));

  // Each cell is named after the symbol it shows once the reels stand.
  for (const rt::Ref<rt::Canvas>& cell : Cells()) {
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(cell->widget());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->role(), QAccessible::Graphic);
    const std::string file = FileOf(cell->Backdrop());
    EXPECT_EQ(name(shown), file.substr(0, file.rfind(".jpg")));
  }
}

// A player without a mouse: Tab reaches the wager buttons in their order
// and only moves the focus; the space bar, with "10" focused, pulls and
// neither moves the selection nor changes the wager.
TEST_F(Play, TabReachesTheWagerButtonsAndTheSpaceBarStillPullsFromThem) {
  QWidget* window = W().widget();
  const std::vector<QWidget*> buttons = {W().RadioButton1()->widget(), W().RadioButton2()->widget(),
                                         W().RadioButton3()->widget()};
  const auto tab = [window] {
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Tab);
  };
  for (int i = 0; i < 4 && window->focusWidget() != buttons[0]; ++i) tab();
  std::vector<QWidget*> seen = {window->focusWidget()};
  for (int i = 0; i < 3; ++i) {
    tab();
    seen.push_back(window->focusWidget());
  }
  EXPECT_EQ(seen, (std::vector<QWidget*>{buttons[0], buttons[1], buttons[2], buttons[0]}));
  tab();
  tab();
  ASSERT_EQ(window->focusWidget(), buttons[2]);
  EXPECT_EQ(SelectedWager(), 1);
  EXPECT_EQ(Module1::Wager, 1);
  const int64_t t0 = Now();
  PressKey();
  EXPECT_TRUE(Module1::Pull);
  EXPECT_EQ(Handle(), "HandleDown-1.jpg");
  EXPECT_EQ(SelectedWager(), 1);
  EXPECT_EQ(Module1::Wager, 1);
  EXPECT_EQ(window->focusWidget(), buttons[2]);
  ExpectOneSpinFrom(t0 + 300);
}

// "10" chosen by a screen reader's action or by the left arrow on the
// focused "1" (round the group) has exactly a click's effect in each state
// of the play cycle: the selection always moves; the wager follows only
// while no pull is pending and no spin is under way.
enum class WagerWay { kClick, kAccessibilityAction, kLeftArrow };
enum class PlayState { kIdle, kPullPending, kSpinning, kWinSoundWait };

struct WagerCase {
  WagerWay way;
  PlayState at;
  int32_t wager;  // the wager after the choice
};

void PrintTo(const WagerCase& c, std::ostream* os) {
  const char* const ways[] = {"click", "accessibility action", "left arrow"};
  const char* const states[] = {"idle", "pull pending", "spinning", "win sound"};
  *os << ways[static_cast<int>(c.way)] << " while " << states[static_cast<int>(c.at)];
}

// Every way in every state.
std::vector<WagerCase> WagerCases() {
  const std::pair<PlayState, int32_t> states[] = {{PlayState::kIdle, 10},
                                                  {PlayState::kPullPending, 1},
                                                  {PlayState::kSpinning, 1},
                                                  {PlayState::kWinSoundWait, 1}};
  std::vector<WagerCase> cases;
  for (WagerWay way : {WagerWay::kClick, WagerWay::kAccessibilityAction, WagerWay::kLeftArrow}) {
    for (const auto& [at, wager] : states) cases.push_back({way, at, wager});
  }
  return cases;
}

class PlayWagerChoice : public Play, public ::testing::WithParamInterface<WagerCase> {
 protected:
  void Choose(WagerWay way) {
    switch (way) {
      case WagerWay::kClick:
        ClickWager(10);
        break;
      case WagerWay::kAccessibilityAction:
        QAccessible::queryAccessibleInterface(W().RadioButton3()->widget())
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        break;
      case WagerWay::kLeftArrow:
        W().RadioButton1()->widget()->setFocus(Qt::OtherFocusReason);
        PressKey(false, Qt::Key_Left);
        break;
    }
  }
};

TEST_P(PlayWagerChoice, AWagerChosenByAnAccessibilityActionOrAnArrowActsAsAClickInEveryState) {
  const WagerCase& c = GetParam();
  bool chosen = false, playStarted = false, pull = false;
  const auto choose = [&] {
    playStarted = Module1::PlayStarted;
    pull = Module1::Pull;
    Choose(c.way);
    chosen = true;
  };
  if (c.at == PlayState::kWinSoundWait) {
    // The payout runs 3800 ms after the pull; its win sound lasts 600 ms.
    At(4100, choose);
    SpinTo({kSevenMiddle, kNoSeven, kNoSeven});
    EXPECT_EQ(Module1::Bankroll, 20 - 1 + 2);  // paid on the wager 1
  } else {
    if (c.at != PlayState::kIdle) ClickHandle();
    if (c.at == PlayState::kSpinning) {
      ASSERT_TRUE(AdvanceUntil([] { return Module1::PlayStarted; }, 1000));
    }
    choose();
  }
  ASSERT_TRUE(chosen);
  EXPECT_EQ(playStarted, c.at == PlayState::kSpinning || c.at == PlayState::kWinSoundWait);
  EXPECT_EQ(pull, c.at == PlayState::kPullPending || c.at == PlayState::kSpinning);
  EXPECT_EQ(SelectedWager(), 10);
  EXPECT_EQ(Module1::Wager, c.wager);
  EXPECT_TRUE(MsgBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(WaysAndStates, PlayWagerChoice, ::testing::ValuesIn(WagerCases()));

struct LowerCase {
  int32_t bankroll, selected;
  bool lowered;
  int32_t wager;
};

void PrintTo(const LowerCase& c, std::ostream* os) {
  *os << "bankroll " << c.bankroll << ", wager " << c.selected;
}

class PlayLowering : public Play, public ::testing::WithParamInterface<LowerCase> {};

TEST_P(PlayLowering, AWagerAboveTheBankrollIsLoweredByThePull) {
  const LowerCase& c = GetParam();
  ClickWager(c.selected);
  ASSERT_EQ(Module1::Wager, c.selected);
  SetBankroll(c.bankroll);
  SpinTo({kNoSeven, kNoSeven, kNoSeven});
  EXPECT_EQ(SelectedWager(), c.wager);
  EXPECT_EQ(Module1::Wager, c.wager);
  // The spin is paid on the lowered wager.
  const int32_t left = c.bankroll - c.wager;
  EXPECT_EQ(Module1::Bankroll, left);
  std::vector<std::string> expected;
  if (c.lowered) expected.push_back(kLowerWagerMessage);
  if (left == 0) expected.push_back(kBankruptMessage);
  EXPECT_EQ(MsgBoxes(), expected);
}

INSTANTIATE_TEST_SUITE_P(BankrollsAndWagers, PlayLowering,
                         ::testing::Values(LowerCase{7, 10, true, 5}, LowerCase{6, 10, true, 5},
                                           LowerCase{5, 10, true, 1}, LowerCase{3, 10, true, 1},
                                           LowerCase{4, 5, true, 1}, LowerCase{10, 10, false, 10},
                                           LowerCase{5, 5, false, 5}, LowerCase{1, 1, false, 1},
                                           LowerCase{20, 10, false, 10}));

// Bankroll 5 on the wager 5: the pull's comparison passes; the button "10"
// clicked before the spin starts must not put 10 at stake, also when the
// player clicks the handle again, or then presses the space bar.
enum class Road { kAlone, kThenSecondClick, kThenSecondClickAndSpace };

void PrintTo(Road road, std::ostream* os) {
  const char* const names[] = {"alone", "then a second click",
                               "then a second click and the space bar"};
  *os << names[static_cast<int>(road)];
}

class PlayPendingWager : public Play, public ::testing::WithParamInterface<Road> {};

TEST_P(PlayPendingWager, AWagerButtonDuringAPendingPullLeavesTheSpinsWager) {
  const Road road = GetParam();
  ClickWager(5);
  SetBankroll(5);
  ClickHandle();
  ClickWager(10);
  EXPECT_EQ(SelectedWager(), 10);
  EXPECT_EQ(Module1::Wager, 5);
  if (road != Road::kAlone) ClickHandle();
  if (road == Road::kThenSecondClickAndSpace) PressKey();
  EXPECT_EQ(Module1::Wager, 5);
  SpinTo({kNoSeven, kNoSeven, kNoSeven});  // the pull after it is locked out
  EXPECT_EQ(Module1::Bankroll, 0);
  EXPECT_EQ(W().StaticText2()->Text(), "0");
  EXPECT_EQ(MsgBoxes(), std::vector<std::string>{kBankruptMessage});
}

INSTANTIATE_TEST_SUITE_P(Roads, PlayPendingWager,
                         ::testing::Values(Road::kAlone, Road::kThenSecondClick,
                                           Road::kThenSecondClickAndSpace));

TEST_F(PlayLongClick, AWagerButtonAndASecondClickInsideTheClickWaitLeaveTheSpinsWager) {
  ClickWager(5);
  SetBankroll(5);
  At(100, [this] { ClickWager(10); });
  At(200, [this] { ClickHandle(); });
  ClickHandle();
  EXPECT_EQ(SelectedWager(), 10);
  EXPECT_EQ(Module1::Wager, 5);
  const std::array<int32_t, 3> none = {kNoSeven, kNoSeven, kNoSeven};
  FinishSpin(&none);
  EXPECT_EQ(Module1::Bankroll, 0);
  EXPECT_EQ(MsgBoxes(), std::vector<std::string>{kBankruptMessage});
}

// The space bar pulls with the wager "10" at a bankroll of 7, and its
// release comes while "I will lower your wager." is up. Qt drops a key
// aimed at a window the box blocks before any widget sees it, so the
// runtime may never hear of that release. Wherever it went, once the box
// has closed the space bar is up: after the lowered spin no other key pulls.
enum class ReleaseTo { kTheBox, kTheGameWindow, kTheAboutWindow, kAnotherWindow };

struct ReleaseCase {
  ReleaseTo to;
  Qt::Key key;  // pressed after the spin
};

void PrintTo(const ReleaseCase& c, std::ostream* os) {
  const char* const places[] = {"the box", "the game window", "the About window", "another window"};
  *os << "release to " << places[static_cast<int>(c.to)] << ", then "
      << QKeySequence(c.key).toString().toStdString();
}

std::vector<ReleaseCase> ReleaseCases() {
  std::vector<ReleaseCase> cases;
  for (ReleaseTo to : {ReleaseTo::kTheBox, ReleaseTo::kTheGameWindow, ReleaseTo::kTheAboutWindow,
                       ReleaseTo::kAnotherWindow}) {
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_A, Qt::Key_Shift, Qt::Key_Left})
      cases.push_back({to, key});
  }
  return cases;
}

using test_support::PlainWindow;

class PlaySpaceRelease : public Play, public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(PlaySpaceRelease, AfterTheLoweringBoxTheSpaceBarIsUpAndNoOtherKeyPulls) {
  const ReleaseCase& c = GetParam();
  QWindow* releaseTo = nullptr;  // where the box's own window is not the place
  rt::Ref<rt::Window> other;
  if (c.to == ReleaseTo::kTheGameWindow) releaseTo = W().widget()->windowHandle();
  if (c.to == ReleaseTo::kTheAboutWindow) {
    ASSERT_TRUE(ChooseMenu("AppleAboutJolvane"));
    other = rt::GetImplicitWindow("AboutBox.AboutBox");
  }
  if (c.to == ReleaseTo::kAnotherWindow) {
    other = rt::RuntimeNewObject<PlainWindow>();
    other->Constructor();
    other->Show();
  }
  if (other) {
    ASSERT_TRUE(other->widget()->isVisible());
    releaseTo = other->widget()->windowHandle();
  }
  ClickWager(10);
  SetBankroll(7);
  QWidget* game = W().widget();
  game->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(game));

  bool released = false;
  test_support::RealBox box([&](QMessageBox& shown) {
    QTest::keyRelease(releaseTo ? releaseTo : shown.windowHandle(), Qt::Key_Space);
    released = true;
  });
  // The player's own press, not a held key of the test driver's.
  QTest::keyPress(game->focusWidget() ? game->focusWidget() : game, Qt::Key_Space);
  ASSERT_TRUE(box.Shown());
  EXPECT_EQ(box.Text().toStdString(), kLowerWagerMessage);
  EXPECT_TRUE(released);
  EXPECT_FALSE(rt::Keyboard::AsyncKeyDown(rt::Keyboard::kSpace));
  ASSERT_TRUE(Module1::Pull);
  EXPECT_EQ(Module1::Wager, 5);
  const std::array<int32_t, 3> none = {kNoSeven, kNoSeven, kNoSeven};
  FinishSpin(&none);
  ASSERT_FALSE(Module1::PlayStarted);
  ASSERT_EQ(Module1::Bankroll, 2);

  const int64_t t = Now();
  QTest::keyClick(game->focusWidget() ? game->focusWidget() : game, c.key);
  EXPECT_FALSE(rt::Keyboard::AsyncKeyDown(rt::Keyboard::kSpace));
  EXPECT_FALSE(Module1::Pull) << "the key pulled";
  EXPECT_EQ(Handle(), "HandleUp-1.jpg");
  EXPECT_EQ(Now(), t) << "a click played";
  EXPECT_TRUE(MsgBoxes().empty()) << "a second lowering";
  Advance(5000);
  EXPECT_FALSE(Module1::PlayStarted);
  EXPECT_EQ(Module1::Bankroll, 2);
  EXPECT_EQ(W().StaticText2()->Text(), "2");
}

INSTANTIATE_TEST_SUITE_P(WhereTheReleaseWent, PlaySpaceRelease,
                         ::testing::ValuesIn(ReleaseCases()));

// The same for the other modal things: the space bar goes down for a pull,
// and comes up, dropped, while a message dialog or a modal window of ours
// blocks the game window.
enum class Blocking { kMessageDialog, kModalWindow };

void PrintTo(Blocking b, std::ostream* os) {
  *os << (b == Blocking::kMessageDialog ? "a message dialog" : "a modal window");
}

class PlaySpaceReleaseBlocked : public Play, public ::testing::WithParamInterface<Blocking> {};

TEST_P(PlaySpaceReleaseBlocked, AfterItClosesTheSpaceBarIsUp) {
  QWidget* game = W().widget();
  game->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(game));
  QTest::keyPress(game->focusWidget() ? game->focusWidget() : game, Qt::Key_Space);
  FinishSpin();
  ASSERT_FALSE(Module1::PlayStarted);
  const auto release = [game] { QTest::keyRelease(game->windowHandle(), Qt::Key_Space); };
  if (GetParam() == Blocking::kMessageDialog) {
    test_support::RealBox box([&](QMessageBox&) { release(); });
    auto dialog = rt::RuntimeNewObject<rt::MessageDialog>();
    dialog->SetMessage("Version 2.0.0 is now available.");
    dialog->ShowModal();
    ASSERT_TRUE(box.Shown());
  } else {
    ASSERT_TRUE(InsideAModalWindow(release));
  }
  EXPECT_FALSE(rt::Keyboard::AsyncKeyDown(rt::Keyboard::kSpace));
  const std::string bankroll = W().StaticText2()->Text();
  const int64_t t = Now();
  QTest::keyClick(game->focusWidget() ? game->focusWidget() : game, Qt::Key_Tab);
  EXPECT_FALSE(Module1::Pull) << "Tab pulled";
  EXPECT_EQ(Now(), t);
  EXPECT_EQ(W().StaticText2()->Text(), bankroll);
}

INSTANTIATE_TEST_SUITE_P(Blockers, PlaySpaceReleaseBlocked,
                         ::testing::Values(Blocking::kMessageDialog, Blocking::kModalWindow));

TEST_F(Play, ClosingTheGameWindowEndsTheProgram) {
  W().widget()->close();  // the close box
  Advance(0);
  EXPECT_TRUE(rt::QuitRequested());
  EXPECT_FALSE(rt::GetImplicitWindow("Window1.Window1"));
}

}  // namespace
