// Which window has the keyboard: Escape closes the small information
// windows and nothing else, modal boxes and windows belong to the window they
// open over, and the keyboard comes back to the game window when they close
// (with no window manager to do it, it would go nowhere).
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "game/module1.h"
#include "rt/testing/driver.h"
#include "tests/support/game_fixture.h"
#include "tests/support/http_server.h"
#include "tests/support/real_box.h"

namespace {

using game_test::kLowerWagerMessage;
using rt::testing::Now;

class WindowFocus : public game_test::GameFixture {
 protected:
  void TearDown() override {
    GameFixture::TearDown();
    test_support::HttpServer::ClearProxy();
    server_.reset();
  }

  QWidget* Game() { return W().widget(); }
  // The game window has the keyboard, as after the player clicked on it.
  void ActivateGame() {
    Game()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Game()));
  }
  // Waits for the events that move the keyboard, not for a time.
  bool GameGetsTheKeyboard() {
    return QTest::qWaitFor([this] { return QApplication::activeWindow() == Game(); });
  }
  static QWidget* FocusIn(QWidget* top) { return top->focusWidget() ? top->focusWidget() : top; }

  std::unique_ptr<test_support::HttpServer> server_;
};

// --- Closing the small windows ----------------------------------------------------

struct SmallWindow {
  const char* item;       // the menu item that shows it
  const char* className;  // as registered
  bool byEscape;          // else by its close box
};

void PrintTo(const SmallWindow& c, std::ostream* os) {
  *os << c.className << (c.byEscape ? " by Escape" : " by its close box");
}

class SmallWindowClosing : public WindowFocus, public ::testing::WithParamInterface<SmallWindow> {};

TEST_P(SmallWindowClosing, ItClosesPressingNothingAndTheGameGetsTheKeyboardBack) {
  const SmallWindow& c = GetParam();
  ActivateGame();
  ASSERT_TRUE(ChooseMenu(c.item));
  rt::Ref<rt::Window> window = rt::GetImplicitWindow(c.className);
  ASSERT_TRUE(window);
  QPointer<QWidget> top = window->widget();  // deleted some time after the close
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  bool modal = false;
  rt::testing::OnModal([&](const std::string&) { modal = true; });

  if (c.byEscape) {
    QTest::keyClick(FocusIn(top), Qt::Key_Escape);
  } else {
    top->close();
  }
  QApplication::processEvents();
  EXPECT_TRUE(window->IsClosed());
  EXPECT_FALSE(rt::GetImplicitWindow(c.className));
  EXPECT_TRUE(!top || !top->isVisible());
  // Nothing pressed: no address handed over, no update check.
  EXPECT_TRUE(rt::testing::Recorded().urls.empty());
  EXPECT_FALSE(modal);
  EXPECT_FALSE(rt::GetImplicitWindow("updateWindow.updateWindow"));
  EXPECT_TRUE(MsgBoxes().empty());
  EXPECT_FALSE(rt::QuitRequested());
  EXPECT_TRUE(GameGetsTheKeyboard());
}

INSTANTIATE_TEST_SUITE_P(
    InformationWindows, SmallWindowClosing,
    ::testing::Values(SmallWindow{"AppleAboutJolvane", "AboutBox.AboutBox", true},
                      SmallWindow{"CheckforUpdateCheckNow", "selfTest.selfTest", true},
                      SmallWindow{"AppleAboutJolvane", "AboutBox.AboutBox", false},
                      SmallWindow{"CheckforUpdateCheckNow", "selfTest.selfTest", false}));

// The game window can be minimised: Escape there neither closes it (which
// would end the program) nor pulls.
TEST_F(WindowFocus, EscapeOnTheGameWindowDoesNothing) {
  ActivateGame();
  W().RadioButton3()->widget()->setFocus(Qt::TabFocusReason);
  const int64_t t = Now();
  QTest::keyClick(FocusIn(Game()), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_TRUE(rt::GetImplicitWindow("Window1.Window1"));
  EXPECT_TRUE(Game()->isVisible());
  EXPECT_FALSE(rt::QuitRequested());
  EXPECT_FALSE(Module1::Pull);
  EXPECT_EQ(Now(), t);
  EXPECT_EQ(Module1::Wager, 1);
  EXPECT_EQ(SelectedWager(), 1);
  EXPECT_TRUE(MsgBoxes().empty());
}

// --- Modal boxes and windows ------------------------------------------------------

enum class Box { kLoweringBox, kMessageDialog };

void PrintTo(Box box, std::ostream* os) {
  *os << (box == Box::kLoweringBox ? "the lowering box" : "a message dialog");
}

class OwnedBoxes : public WindowFocus, public ::testing::WithParamInterface<Box> {};

// The window system keeps a box above the window it belongs to, and a
// screen reader reads it as that window's: Qt tells it through the parent
// and the transient parent.
TEST_P(OwnedBoxes, ABoxBelongsToTheGameWindowWhichHasTheKeyboardAgainAfterIt) {
  ActivateGame();
  QWidget* parent = nullptr;
  QWindow* transientParent = nullptr;
  bool modal = false;
  const QString press = GetParam() == Box::kLoweringBox ? "OK" : "Later";
  test_support::RealBox box(
      [&](QMessageBox& shown) {
        parent = shown.parentWidget();
        transientParent = shown.windowHandle()->transientParent();
        modal = shown.isModal();
      },
      press);
  if (GetParam() == Box::kLoweringBox) {
    ClickWager(10);
    SetBankroll(7);
    ClickHandle();
    EXPECT_EQ(box.Text().toStdString(), kLowerWagerMessage);
  } else {
    auto dialog = rt::RuntimeNewObject<rt::MessageDialog>();
    dialog->SetMessage("Version 2.0.0 is now available.");
    dialog->CancelButton()->SetVisible(true);
    dialog->CancelButton()->SetCaption("Later");
    EXPECT_TRUE(dialog->ShowModal() == dialog->CancelButton());
  }
  ASSERT_TRUE(box.Shown());
  EXPECT_TRUE(modal);
  EXPECT_EQ(parent, Game());
  EXPECT_EQ(transientParent, Game()->windowHandle());
  EXPECT_TRUE(GameGetsTheKeyboard());
}

INSTANTIATE_TEST_SUITE_P(Boxes, OwnedBoxes,
                         ::testing::Values(Box::kLoweringBox, Box::kMessageDialog));

// "Check for Updates" in the version window opens the modal update window
// and closes the version window: the update window then belongs to the game
// window, and gives it the keyboard back when the check is over.
TEST_F(WindowFocus, TheUpdateWindowBelongsToTheGameWindowNotToTheClosedVersionWindow) {
  server_ = test_support::HttpServer::Start(
      {"--body",
       "<update><CurrentVersion>1.0.0</CurrentVersion><Description>-</Description>"
       "<Free>Yes</Free></update>"});
  ASSERT_TRUE(server_);
  server_->UseAsProxy();
  ActivateGame();
  ASSERT_TRUE(ChooseMenu("CheckforUpdateCheckNow"));
  rt::Ref<rt::Window> version = rt::GetImplicitWindow("selfTest.selfTest");
  ASSERT_TRUE(version);
  QWindow* versionHandle = version->widget()->windowHandle();
  bool modal = false;
  QWindow* transientParent = nullptr;
  rt::testing::OnModal([&](const std::string& className) {
    if (className != "updateWindow.updateWindow") return;
    modal = true;
    rt::Ref<rt::Window> update = rt::GetImplicitWindow(className);
    ASSERT_TRUE(update);
    EXPECT_EQ(update->widget()->windowModality(), Qt::ApplicationModal);
    transientParent = update->widget()->windowHandle()->transientParent();
  });
  QTest::mouseClick(
      rt::RuntimeCheckCast<rt::PushButton>(version->ControlByName("PushButton1"))->widget(),
      Qt::LeftButton);
  ASSERT_TRUE(modal);
  EXPECT_EQ(transientParent, Game()->windowHandle());
  EXPECT_NE(transientParent, versionHandle);
  EXPECT_EQ(rt::testing::Recorded().msgBoxes,
            std::vector<std::string>{"You are using the current version. No update is available."});
  EXPECT_FALSE(rt::GetImplicitWindow("updateWindow.updateWindow"));
  EXPECT_TRUE(GameGetsTheKeyboard());
}

}  // namespace
