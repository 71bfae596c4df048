// The game window as a screen reader has it: its actions do nothing behind a
// modal window, as a click cannot reach there either; the wager group is
// named by its caption; and the outcome of each spin is told through the
// control that has the keyboard.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QMessageBox>
#include <QTest>
#include <QWidget>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "game/module1.h"
#include "rt/testing/driver.h"
#include "tests/support/game_fixture.h"
#include "tests/support/real_box.h"
#include "tests/support/screen_reader.h"

namespace {

using game_test::FileOf;
using game_test::kBankruptMessage;
using game_test::kLowerWagerMessage;
using game_test::kNoSeven;
using game_test::kSevenMiddle;

QAccessibleInterface* Heard(const rt::Ref<rt::RectControl>& control) {
  return QAccessible::queryAccessibleInterface(control->widget());
}

// --- Behind a modal window ----------------------------------------------------

enum class Blocker { kLoweringBox, kModalWindow };
enum class Action { kHandlePress, kWagerPress, kWagerToggle };

struct BlockedCase {
  Blocker blocker;
  Action action;
};

void PrintTo(const BlockedCase& c, std::ostream* os) {
  const char* const blockers[] = {"behind the lowering box", "behind a modal window"};
  const char* const actions[] = {"the handle's press", "the wager's press", "the wager's toggle"};
  *os << actions[static_cast<int>(c.action)] << " " << blockers[static_cast<int>(c.blocker)];
}

std::vector<BlockedCase> BlockedCases() {
  std::vector<BlockedCase> cases;
  for (Blocker blocker : {Blocker::kLoweringBox, Blocker::kModalWindow}) {
    for (Action action : {Action::kHandlePress, Action::kWagerPress, Action::kWagerToggle})
      cases.push_back({blocker, action});
  }
  return cases;
}

// What the game shows, to compare before and after an action.
struct State {
  int32_t wager, selected;
  bool pull, playStarted;
  std::string handle;
  size_t boxes;
  int64_t now;
  bool operator==(const State&) const = default;
};

void PrintTo(const State& s, std::ostream* os) {
  *os << "wager " << s.wager << ", button " << s.selected << ", pull " << s.pull << ", play "
      << s.playStarted << ", " << s.handle << ", " << s.boxes << " boxes, at " << s.now;
}

class BehindAModalWindow : public game_test::GameFixture,
                           public ::testing::WithParamInterface<BlockedCase> {
 protected:
  State Shows() {
    return {Module1::Wager,
            SelectedWager(),
            Module1::Pull,
            Module1::PlayStarted,
            FileOf(W().Canvas10()->Backdrop()),
            MsgBoxes().size(),
            rt::testing::Now()};
  }
  // The case's action, as assistive technology asks for it: on the handle,
  // or on the wager button "1".
  void Act(Action action) {
    QAccessibleInterface* target =
        Heard(action == Action::kHandlePress ? rt::Ref<rt::RectControl>(W().Canvas10())
                                             : rt::Ref<rt::RectControl>(W().RadioButton1()));
    ASSERT_NE(target, nullptr);
    ASSERT_NE(target->actionInterface(), nullptr);
    target->actionInterface()->doAction(action == Action::kWagerToggle
                                            ? QAccessibleActionInterface::toggleAction()
                                            : QAccessibleActionInterface::pressAction());
    rt::testing::Advance(0);  // what the action raised runs from the event loop
  }
};

TEST_P(BehindAModalWindow, AnAccessibilityActionDoesNothingUntilItCloses) {
  const BlockedCase& c = GetParam();
  ClickWager(10);
  SetBankroll(7);
  State before{}, after{};
  bool acted = false;
  const auto actInside = [&] {
    before = Shows();
    Act(c.action);
    after = Shows();
    acted = true;
  };
  if (c.blocker == Blocker::kLoweringBox) {
    test_support::RealBox box([&](QMessageBox&) { actInside(); });
    ClickHandle();
    ASSERT_TRUE(box.Shown());
    EXPECT_EQ(box.Text().toStdString(), kLowerWagerMessage);
    // The pull that showed the box goes on as if nothing had been asked.
    EXPECT_TRUE(Module1::Pull);
    EXPECT_EQ(Module1::Wager, 5);
    EXPECT_EQ(SelectedWager(), 5);
    const std::array<int32_t, 3> none = {kNoSeven, kNoSeven, kNoSeven};
    FinishSpin(&none);
    ASSERT_EQ(Module1::Bankroll, 2);
  } else {
    ASSERT_TRUE(InsideAModalWindow(actInside));
  }
  ASSERT_TRUE(acted);
  EXPECT_EQ(after, before);
  EXPECT_FALSE(before.pull);
  EXPECT_EQ(before.selected, 10);

  // Once it has closed, the same action acts.
  rt::testing::Reset();  // a fresh record of boxes
  const int32_t bankroll = Module1::Bankroll;
  Act(c.action);
  if (c.action == Action::kHandlePress) {
    EXPECT_TRUE(Module1::Pull);
    EXPECT_EQ(MsgBoxes(), std::vector<std::string>{kLowerWagerMessage});
  } else {
    EXPECT_EQ(Module1::Wager, 1);
    EXPECT_EQ(SelectedWager(), 1);
    EXPECT_FALSE(Module1::Pull);
  }
  EXPECT_EQ(Module1::Bankroll, bankroll);
}

INSTANTIATE_TEST_SUITE_P(ActionsAndBlockers, BehindAModalWindow,
                         ::testing::ValuesIn(BlockedCases()));

// --- The wager group ----------------------------------------------------------

using Accessibility = game_test::GameFixture;

// The group box has no title of its own; the label "Wager" inside it is its
// caption. A screen reader entering a wager button names the group by it.
TEST_F(Accessibility, TheWagerGroupIsNamedByTheLabelInsideIt) {
  QWidget* group = W().GroupBox1()->widget();
  QWidget* caption = W().StaticText1()->widget();
  ASSERT_EQ(W().StaticText1()->Text(), "Wager");
  QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(group);
  ASSERT_NE(heard, nullptr);
  EXPECT_EQ(heard->role(), QAccessible::Grouping);
  EXPECT_EQ(heard->text(QAccessible::Name).toStdString(), "Wager");
  bool labelled = false;
  for (const auto& [other, relation] : heard->relations(QAccessible::Label))
    labelled = labelled || (other && other->object() == caption && (relation & QAccessible::Label));
  EXPECT_TRUE(labelled) << "the caption is not the group's label";

  for (const rt::Ref<rt::RadioButton>& button :
       {W().RadioButton1(), W().RadioButton2(), W().RadioButton3()}) {
    SCOPED_TRACE(button->Caption());
    bool reached = false;
    for (QAccessibleInterface* up = Heard(button)->parent(); up && !reached; up = up->parent())
      reached = up->object() == group;
    EXPECT_TRUE(reached);
  }
}

// --- The outcome of a spin ------------------------------------------------------

// What the game window tells of a stopped spin, as a sighted player reads it
// off the window.
std::string Outcome(bool jackpot, const std::string& bankroll,
                    const std::vector<rt::Ref<rt::Canvas>>& payLine) {
  std::string text = jackpot ? "JACKPOT. " : "";
  text += "Bankroll: " + bankroll + ". Pay line: ";
  for (size_t i = 0; i < payLine.size(); ++i) {
    const std::string file = FileOf(payLine[i]->Backdrop());
    text += (i ? ", " : "") + file.substr(0, file.rfind(".jpg"));
  }
  return text + ".";
}

struct SpinCase {
  const char* name;
  int32_t bankroll;
  std::array<int32_t, 3> positions;
  const char* left;  // the bankroll after it
  bool jackpot;
};

void PrintTo(const SpinCase& c, std::ostream* os) {
  *os << c.name;
}

class Announcing : public game_test::GameFixture {
 protected:
  // The game window has the keyboard, with the focus on a control of it.
  void FocusOn(QWidget* control) {
    QWidget* top = W().widget();
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    if (control) {
      control->setFocus(Qt::TabFocusReason);
    } else if (QWidget* focus = top->focusWidget()) {
      focus->clearFocus();
    }
    ASSERT_EQ(top->focusWidget(), control);
  }
  static std::string Description(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description).toStdString();
  }
  // Whether the screen reader was told of a new description of `w`, and
  // the newest one it was told.
  std::string Told(QWidget* w) {
    const auto events = reader.EventsFor(QAccessible::DescriptionChanged, w);
    return events.empty() ? "(nothing)" : events.back().description.toStdString();
  }

  test_support::ScreenReader reader;
};

class AnnouncingOutcomes : public Announcing, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(AnnouncingOutcomes, TheFocusedControlTellsTheBankrollAndThePayLine) {
  const SpinCase& c = GetParam();
  QWidget* focused = W().RadioButton2()->widget();
  FocusOn(focused);
  SetBankroll(c.bankroll);
  // At the bankrupt box the player has already been told.
  std::string toldAtBox = "(no box)";
  rt::testing::OnMsgBox([&](const std::string&) { toldAtBox = Told(focused); });
  reader.Clear();
  SpinTo(c.positions);
  ASSERT_EQ(W().StaticText2()->Text(), c.left);
  const std::string expected = Outcome(c.jackpot, c.left, MiddleRow());
  EXPECT_EQ(Description(focused), expected);
  EXPECT_EQ(Told(focused), expected);
  if (std::string(c.left) == "0") {
    EXPECT_EQ(MsgBoxes(), std::vector<std::string>{kBankruptMessage});
    EXPECT_EQ(toldAtBox, expected);
  } else {
    EXPECT_TRUE(MsgBoxes().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Spins, AnnouncingOutcomes,
    ::testing::Values(
        SpinCase{"no seven", 20, {3, kNoSeven, 8}, "19", false},
        SpinCase{"one seven", 20, {4, kSevenMiddle, kNoSeven}, "21", false},
        SpinCase{"three sevens", 20, {kSevenMiddle, kSevenMiddle, kSevenMiddle}, "89", true},
        SpinCase{"bankrupt", 1, {kNoSeven, 9, 6}, "0", false}));

// Only the newest outcome stays, on the control that has the focus now (or
// on the window when none has it): an earlier holder forgets its own.
TEST_F(Announcing, TheNewestOutcomeMovesWithTheFocus) {
  QWidget* window = W().widget();
  QWidget* five = W().RadioButton2()->widget();
  QWidget* one = W().RadioButton1()->widget();
  const std::array<int32_t, 3> none = {kNoSeven, kNoSeven, kNoSeven};

  FocusOn(five);
  SpinTo(none);
  EXPECT_EQ(Description(five), Outcome(false, "19", MiddleRow()));

  FocusOn(nullptr);
  SpinTo(none);
  EXPECT_EQ(Description(window), Outcome(false, "18", MiddleRow()));
  EXPECT_EQ(Description(five), "");

  FocusOn(one);
  reader.Clear();
  SpinTo(none);
  EXPECT_EQ(Description(one), Outcome(false, "17", MiddleRow()));
  EXPECT_EQ(Told(one), Outcome(false, "17", MiddleRow()));
  EXPECT_EQ(Description(window), "");
  EXPECT_EQ(Description(five), "");
}

}  // namespace
