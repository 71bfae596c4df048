// The game's menu commands: the Sound menu's switch and check marks and their
// effect on the next sound, the ATM item's enabling and the refill, and the
// items as a screen reader finds and presses them.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <ostream>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/menu_accessors.h"
#include "game/module1.h"
#include "rt/testing/driver.h"
#include "tests/support/game_fixture.h"
#include "tests/support/real_box.h"
#include "tests/support/screen_reader.h"

namespace {

using game_test::kBankruptMessage;
using game_test::kLowerWagerMessage;
using game_test::kNoSeven;
using game_test::kSevenMiddle;
using rt::testing::Advance;
using rt::testing::Now;

class MenuCommands : public game_test::GameFixture {
 protected:
  void ExpectSound(bool on) {
    EXPECT_EQ(Module1::MySound, on);
    EXPECT_EQ(SoundSoundOn()->Checked(), on);
    EXPECT_EQ(SoundSoundOff()->Checked(), !on);
  }
};

// The Edit items have no command in the program: they show disabled. Every
// item that has one shows enabled, the ATM item as the bankroll says.
TEST_F(MenuCommands, OnlyItemsWithACommandShowEnabled) {
  const struct {
    const char* item;
    bool atTwenty, atZero;
  } rows[] = {
      {"FileQuit", true, true},          {"EditUndo", false, false},
      {"EditCut", false, false},         {"EditCopy", false, false},
      {"EditPaste", false, false},       {"EditClear", false, false},
      {"SoundSoundOn", true, true},      {"SoundSoundOff", true, true},
      {"ATMAdd20Tokens", false, true},   {"CheckforUpdateCheckNow", true, true},
      {"AppleAboutJolvane", true, true},
  };
  rt::Ref<rt::MenuBar> bar = App::Instance()->MenuBar();
  for (const char* menu : {"FileMenu", "EditMenu", "SoundMenu", "ATMMenu", "CheckforUpdateMenu"})
    EXPECT_TRUE(bar->Child(menu)->action()->isEnabled()) << menu;
  for (int32_t bankroll : {20, 0}) {
    Module1::Bankroll = bankroll;
    QMenu* atm = bar->Child("ATMMenu")->action()->menu();
    atm->popup(QPoint(10, 10));  // opening a menu runs EnableMenuItems
    atm->hide();
    for (const auto& row : rows) {
      SCOPED_TRACE(std::string(row.item) + " at " + std::to_string(bankroll));
      EXPECT_EQ(bar->Lookup(row.item)->action()->isEnabled(),
                bankroll == 20 ? row.atTwenty : row.atZero);
    }
  }
  EXPECT_FALSE(ChooseMenu("EditCopy"));
}

TEST_F(MenuCommands, StartUpChecksSoundOn) {
  ExpectSound(true);
}

TEST_F(MenuCommands, EachSoundCommandChecksItselfAndUnchecksTheOther) {
  const struct {
    const char* item;
    bool on;
  } steps[] = {{"SoundSoundOff", false},
               {"SoundSoundOff", false},
               {"SoundSoundOn", true},
               {"SoundSoundOn", true},
               {"SoundSoundOff", false}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.item);
    EXPECT_TRUE(ChooseMenu(step.item));
    ExpectSound(step.on);
  }
}

TEST_F(MenuCommands, SoundOffLetsThePlayingWinSoundEndAndSilencesTheNext) {
  // Chosen while the win sound plays: the wait lasts to the sound's end.
  At(3800 + lengths.smallwinMs / 2, [this] { ChooseMenu("SoundSoundOff"); });
  SpinTo({kSevenMiddle, kNoSeven, kNoSeven});
  EXPECT_FALSE(Module1::MySound);
  EXPECT_GE(Now() - (spinStartAt + 3500), lengths.smallwinMs);
  EXPECT_EQ(Module1::Bankroll, 21);
  // The next win has no sound, and the pull no click.
  const int64_t t = Now();
  ClickHandle();
  EXPECT_EQ(Now(), t);
  FinishSpin();
  SpinTo({kSevenMiddle, kNoSeven, kNoSeven});
  EXPECT_EQ(Now(), spinStartAt + 3500);
  // Sound on again: the next pull clicks.
  ASSERT_TRUE(ChooseMenu("SoundSoundOn"));
  const int64_t t2 = Now();
  ClickHandle();
  EXPECT_EQ(Now() - t2, lengths.clickMs);
}

TEST_F(MenuCommands, TheATMItemIsEnabledExactlyAtABankrollOfZero) {
  for (int32_t bankroll : {0, 1, 20, -1, -10, 2147483647, -2147483647 - 1}) {
    SCOPED_TRACE(bankroll);
    Module1::Bankroll = bankroll;
    App::Instance()->EnableMenuItems();
    EXPECT_EQ(ATMAdd20Tokens()->Enabled(), bankroll == 0);
  }
}

TEST_F(MenuCommands, AddTwentyTokensSetsTheBankrollAndUnlocksPlay) {
  // The refill is an assignment, whatever the bankroll was.
  ClickWager(5);
  Module1::PlayStarted = true;
  SetBankroll(0);
  ASSERT_TRUE(ChooseMenu("ATMAdd20Tokens"));
  ExpectRefilled(5, 5);
  EXPECT_FALSE(Module1::Pull);
  // Enabled only at 0, so once refilled it cannot be chosen again.
  EXPECT_FALSE(ChooseMenu("ATMAdd20Tokens"));
  EXPECT_FALSE(ATMAdd20Tokens()->Enabled());
  EXPECT_EQ(Module1::Bankroll, 20);
}

TEST_F(MenuCommands, TheATMCannotBeChosenWithTokensLeft) {
  SetBankroll(3);
  EXPECT_FALSE(ChooseMenu("ATMAdd20Tokens"));
  EXPECT_EQ(Module1::Bankroll, 3);
  EXPECT_EQ(W().StaticText2()->Text(), "3");
}

TEST_F(MenuCommands, TheCommandsRunInsideTheClickWait) {
  const int64_t t0 = Now();
  At(50, [this] { ChooseMenu("SoundSoundOff"); });
  ClickHandle();
  // Switching the sound off does not cut the click short.
  EXPECT_EQ(Now() - t0, lengths.clickMs);
  ExpectSound(false);
  EXPECT_TRUE(Module1::Pull);
}

// A screen reader reads the menus' items without opening a menu, and presses
// them by their accessibility action: what it reads must be what the player
// would find on opening the menu now, and its press must be refused exactly
// when the item is disabled now.
class MenuCommandsHeard : public MenuCommands {
 protected:
  // The item of a menu of the bar as assistive technology has it.
  static QAccessibleInterface* Heard(const char* menu, const char* text) {
    QMenu* shown = App::Instance()->MenuBar()->Child(menu)->action()->menu();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(shown);
    if (!list) return nullptr;
    for (int i = 0; i < list->childCount(); ++i) {
      QAccessibleInterface* item = list->child(i);
      if (item && item->text(QAccessible::Name) == QString(text)) return item;
    }
    return nullptr;
  }
  static QAccessibleInterface* Atm() { return Heard("ATMMenu", "Add 20 Tokens"); }
  static bool ReadsDisabled(QAccessibleInterface* item) { return item->state().disabled; }
  static void Press(QAccessibleInterface* item) {
    ASSERT_NE(item->actionInterface(), nullptr);
    item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Advance(0);  // the item's command runs from the event loop
  }

  test_support::ScreenReader reader;
};

TEST_F(MenuCommandsHeard, AddTwentyTokensReadsAndPressesAsTheBankrollSays) {
  QAccessibleInterface* atm = Atm();
  ASSERT_NE(atm, nullptr);
  // No menu is ever opened in this test: each reading follows the event
  // before it.
  ClickWager(1);
  EXPECT_TRUE(ReadsDisabled(atm)) << "at the starting 20";

  SpinTo({kNoSeven, kNoSeven, kNoSeven});
  ASSERT_EQ(Module1::Bankroll, 19);
  EXPECT_TRUE(ReadsDisabled(atm)) << "with tokens left";
  Press(atm);
  EXPECT_EQ(Module1::Bankroll, 19) << "refilled with tokens left";
  EXPECT_EQ(W().StaticText2()->Text(), "19");

  SetBankroll(1);
  SpinTo({kNoSeven, kNoSeven, kNoSeven});
  ASSERT_EQ(Module1::Bankroll, 0);
  ASSERT_EQ(MsgBoxes(), std::vector<std::string>{kBankruptMessage});
  EXPECT_FALSE(ReadsDisabled(atm)) << "bankrupt";
  Press(atm);
  ExpectRefilled(1, 1);
  EXPECT_TRUE(ReadsDisabled(atm)) << "after the refill";
  Press(atm);
  EXPECT_EQ(Module1::Bankroll, 20);
}

TEST_F(MenuCommandsHeard, AddTwentyTokensIsRefusedDuringASpin) {
  QAccessibleInterface* atm = Atm();
  ASSERT_NE(atm, nullptr);
  bool pressed = false, readDisabled = false, lockedAfter = false;
  std::string labelAfter;
  At(1500, [&] {
    readDisabled = ReadsDisabled(atm);
    Press(atm);
    pressed = true;
    lockedAfter = Module1::PlayStarted;
    labelAfter = W().StaticText2()->Text();
  });
  SpinTo({kNoSeven, kNoSeven, kNoSeven});
  ASSERT_TRUE(pressed);
  EXPECT_TRUE(readDisabled);
  EXPECT_TRUE(lockedAfter) << "the refill unlocked play in the middle of the spin";
  EXPECT_EQ(labelAfter, "20");
  EXPECT_EQ(Module1::Bankroll, 19);
  // One spin, paid once: a click on the handle during it pulled nothing.
  EXPECT_FALSE(Module1::PlayStarted);
  EXPECT_FALSE(Module1::Pull);
}

// No command runs while a modal box is up, whatever presses its item.
struct BlockedItem {
  const char* menu;
  const char* text;
};

void PrintTo(const BlockedItem& c, std::ostream* os) {
  *os << c.text;
}

class MenuCommandsBehindABox : public MenuCommandsHeard,
                               public ::testing::WithParamInterface<BlockedItem> {};

TEST_P(MenuCommandsBehindABox, AnItemPressedWhileTheLoweringBoxIsUpDoesNothing) {
  const BlockedItem& c = GetParam();
  QAccessibleInterface* item = Heard(c.menu, c.text);
  ASSERT_NE(item, nullptr);
  ClickWager(10);
  SetBankroll(7);
  test_support::RealBox box([&](QMessageBox&) { Press(item); });
  ClickHandle();
  ASSERT_TRUE(box.Shown());
  EXPECT_EQ(box.Text().toStdString(), kLowerWagerMessage);
  ExpectSound(true);
  EXPECT_FALSE(rt::QuitRequested());
  EXPECT_FALSE(rt::GetImplicitWindow("AboutBox.AboutBox"));
  EXPECT_FALSE(rt::GetImplicitWindow("selfTest.selfTest"));
  EXPECT_TRUE(MsgBoxes().empty());
  // The pull goes on as if nothing had been pressed.
  EXPECT_TRUE(Module1::Pull);
  EXPECT_EQ(Module1::Wager, 5);
}

INSTANTIATE_TEST_SUITE_P(Items, MenuCommandsBehindABox,
                         ::testing::Values(BlockedItem{"SoundMenu", "Sound Off"},
                                           BlockedItem{"CheckforUpdateMenu", "About..."},
                                           BlockedItem{"CheckforUpdateMenu", "Check Now"},
                                           BlockedItem{"FileMenu", "Quit"}));

}  // namespace
