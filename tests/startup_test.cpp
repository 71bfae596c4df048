// Start-up and exit: the class tables, early start-up in its order, the
// game window from late start-up, the ways the event loop ends, the release
// order at exit and an exception during early start-up.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/file_types.h"
#include "app/menu_accessors.h"
#include "app/menubar1.h"
#include "app/startup.h"
#include "game/module1.h"
#include "game/window1.h"
#include "media/media.h"
#include "rt/rt.h"
#include "rt/testing/driver.h"

namespace {

const std::vector<std::string> kBindings = {"AppleAboutJolvane", "CheckforUpdateCheckNow",
                                            "SoundSoundOff", "SoundSoundOn", "ATMAdd20Tokens"};

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::testing::Reset();
    rt::testing::ResetRuntime();
    MenuBar1::ReleaseInstance();
    FileTypes::pText = nullptr;
  }
  void TearDown() override {
    SetAppObjectMakerForTesting(nullptr);
    rt::testing::ResetRuntime();
    MenuBar1::ReleaseInstance();
    FileTypes::pText = nullptr;
    ForgetCachedMedia();
  }
};

// The command line main gets: the program's name only.
char** ProgramArguments() {
  static char name[] = "jolvane";
  static char* argv[] = {name, nullptr};
  return argv;
}

// Runs `action` when events are next delivered: in the event loop, or, if
// start-up delivers events first, before it (a Quit then keeps the loop from
// running at all). Nothing delivers events on the way to a failed start-up.
class InLoop {
 public:
  explicit InLoop(std::function<void()> action) : action_(std::move(action)) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      ran_ = true;
      action_();
    });
    timer_.start(0);
  }
  ~InLoop() { timer_.stop(); }
  bool ran() const { return ran_; }

 private:
  std::function<void()> action_;
  QTimer timer_;
  bool ran_ = false;
};

TEST_F(Startup, BuildsTheFrameworksClassTablesFirstThenTheProgramsInOrder) {
  initialize();
  const std::vector<std::string> program = {"Window1.Window1",
                                            "Window1.Timer1",
                                            "Window1.Timer2",
                                            "Window1.Timer3",
                                            "Window1.Timer4",
                                            "Window1.Timer5",
                                            "Window1.Timer6",
                                            "MenuBar1.MenuBar1",
                                            "App",
                                            "selfTest.selfTest",
                                            "updateWindow.updateWindow",
                                            "updateWindow.hp",
                                            "AboutBox.AboutBox"};
  const std::vector<std::string> names = rt::RegisteredClassNames();
  ASSERT_GT(names.size(), program.size());
  EXPECT_EQ(std::vector<std::string>(names.end() - program.size(), names.end()), program);
}

// The application object with its bar exists before the five commands are
// bound; the game window does not exist yet.
TEST_F(Startup, EarlyStartupMakesTheApplicationWithItsBarThenBindsFiveCommandsInOrder) {
  initialize();
  EXPECT_TRUE(rt::GetAppObject().IsNil());
  EarlyStartup();

  rt::Ref<App> app = App::Instance();
  ASSERT_TRUE(app);
  EXPECT_TRUE(app->MenuBar() == MenuBar1::Instance());
  EXPECT_EQ(app->MenuHandlerNames(), kBindings);
  for (const std::string& name : kBindings) EXPECT_TRUE(app->MenuHandler(name)) << name;
  // Quit and the Edit items have no command of the program's.
  for (const char* name : {"FileQuit", "EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear",
                           "FileMenu", "EditMenu", "SoundMenu", "ATMMenu", "CheckforUpdateMenu"}) {
    EXPECT_FALSE(app->MenuHandler(name)) << name;
  }
  EXPECT_TRUE(rt::LivingWindows().empty());

  // The declared document type, registered once with all four values.
  ASSERT_TRUE(FileTypes::pText);
  EXPECT_EQ(FileTypes::pText->Name(), "text");
  EXPECT_EQ(FileTypes::pText->Extensions(), "");
  EXPECT_EQ(FileTypes::pText->MacType(), "TEXT");
  EXPECT_EQ(FileTypes::pText->MacCreator(), "R*ch");
  EXPECT_TRUE(FileTypes::pText->IsRegistered());
  const std::vector<std::string> types = rt::RegisteredFileTypes();
  EXPECT_EQ(std::count(types.begin(), types.end(), "text"), 1);
}

// Each bound name reaches its own command when the player chooses it.
TEST_F(Startup, EachBoundItemRunsItsOwnCommand) {
  initialize();
  EarlyStartup();
  rt::RunFrameworkInitialization(LateStartup);
  const struct {
    const char* item;
    std::function<void()> arrange;
    std::function<bool()> ran;
  } rows[] = {
      {"SoundSoundOff", [] { Module1::MySound = true; }, [] { return !Module1::MySound; }},
      {"SoundSoundOn", [] { Module1::MySound = false; }, [] { return Module1::MySound; }},
      {"ATMAdd20Tokens", [] { Module1::Bankroll = 0; }, [] { return Module1::Bankroll == 20; }},
      {"CheckforUpdateCheckNow", [] {},
       [] { return static_cast<bool>(rt::GetImplicitWindow("selfTest.selfTest")); }},
      {"AppleAboutJolvane", [] {},
       [] { return static_cast<bool>(rt::GetImplicitWindow("AboutBox.AboutBox")); }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.item);
    row.arrange();
    EXPECT_FALSE(row.ran());
    EXPECT_TRUE(MenuBar1::Instance()->Lookup(row.item)->Choose());
    EXPECT_TRUE(row.ran());
  }
}

// Late start-up puts the game window on screen with the application's bar.
TEST_F(Startup, FrameworkInitialisationShowsTheGameWindowWithTheSharedBar) {
  initialize();
  EarlyStartup();
  rt::RunFrameworkInitialization(LateStartup);
  rt::Ref<rt::Window> living = rt::GetImplicitWindow("Window1.Window1");
  ASSERT_TRUE(living);
  EXPECT_TRUE(living->widget()->isVisible());
  EXPECT_TRUE(living->MenuBar() == App::Instance()->MenuBar());
  EXPECT_EQ(rt::LivingWindows().size(), 1u);
  // The application's Open has set the Sound check marks.
  EXPECT_TRUE(SoundSoundOn()->Checked());
  EXPECT_FALSE(SoundSoundOff()->Checked());
}

// What finalize releases, step by step: after each step exactly that static
// and the earlier ones are gone.
TEST_F(Startup, ReleasesTheStaticsInOrder) {
  initialize();
  EarlyStartup();
  rt::RunFrameworkInitialization(LateStartup);
  std::vector<std::weak_ptr<rt::Sound>> sounds;
  for (auto accessor : {smallwin, medwin, jackpot, click}) {
    rt::Ref<rt::Sound> sound = accessor();
    ASSERT_TRUE(sound) << "the sounds are missing from the resources";
    sounds.push_back(sound.shared());
  }
  Module1::StopColOne = Module1::StopColTwo = Module1::StopColThree = "True";

  const std::vector<std::function<bool()>> gone = {
      [&] {
        return std::all_of(sounds.begin(), sounds.end(), [](auto& s) { return s.expired(); });
      },
      [] {
        return rt::LivingWindows().empty() && rt::GetImplicitWindow("Window1.Window1").IsNil();
      },
      [] { return FileTypes::pText.IsNil(); },
      [] { return !MenuBar1::InstanceExists(); },
      [] {
        return Module1::StopColOne.empty() && Module1::StopColTwo.empty() &&
               Module1::StopColThree.empty();
      },
  };
  const std::vector<ReleaseStep>& steps = ReleaseSteps();
  ASSERT_EQ(steps.size(), gone.size());
  for (size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE(steps[i].what);
    for (size_t j = i; j < gone.size(); ++j) EXPECT_FALSE(gone[j]()) << "step " << j << " early";
    steps[i].release();
    for (size_t j = 0; j <= i; ++j) EXPECT_TRUE(gone[j]()) << "step " << j << " not done";
  }
}

// The three ways the player ends the program all end the event loop; Main
// returns normally and the release and exit follow, with status 0.
TEST_F(Startup, QuitCtrlQAndClosingTheWindowEndTheLoopThroughTheSameRelease) {
  const struct {
    const char* way;
    std::function<void()> act;
  } rows[] = {
      {"File > Quit", [] { EXPECT_TRUE(MenuBar1::Instance()->Lookup("FileQuit")->Choose()); }},
      {"Ctrl+Q",
       [] {
         // The player's window is the active one when the shortcut is typed.
         QWidget* window = rt::GetImplicitWindow("Window1.Window1")->widget();
         window->activateWindow();
         ASSERT_TRUE(QTest::qWaitForWindowActive(window));
         QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
       }},
      {"close box", [] { rt::GetImplicitWindow("Window1.Window1")->widget()->close(); }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.way);
    SetUp();
    // The whole process as main runs it, with what the loop holds checked
    // while it runs.
    bool heldInLoop = false;
    InLoop quit([&] {
      heldInLoop = FileTypes::pText && MenuBar1::InstanceExists();
      Module1::StopColOne = "True";
      row.act();
    });
    EXPECT_EQ(RunProcess(1, ProgramArguments()), 0);
    EXPECT_TRUE(quit.ran());
    EXPECT_TRUE(heldInLoop);
    EXPECT_TRUE(rt::testing::Recorded().unhandled.empty());
    EXPECT_TRUE(rt::testing::Recorded().eventErrors.empty());

    EXPECT_TRUE(FileTypes::pText.IsNil());
    EXPECT_FALSE(MenuBar1::InstanceExists());
    EXPECT_TRUE(Module1::StopColOne.empty());
    EXPECT_TRUE(rt::LivingWindows().empty());
  }
}

// An application object that cannot be created: the exception reaches
// UnhandledException, the event loop is never entered, Main returns and
// the release and exit follow.
TEST_F(Startup, AnExceptionInEarlyStartupReachesUnhandledExceptionThenTheNormalExit) {
  SetAppObjectMakerForTesting(
      []() -> rt::Ref<App> { throw rt::NilObjectException("no application object"); });
  initialize();
  InLoop loop([] { rt::Quit(); });
  Main();

  EXPECT_FALSE(loop.ran()) << "the event loop ran";
  ASSERT_EQ(rt::testing::Recorded().unhandled.size(), 1u);
  EXPECT_NE(rt::testing::Recorded().unhandled[0].find("no application object"), std::string::npos);
  EXPECT_TRUE(rt::GetAppObject().IsNil());
  EXPECT_TRUE(rt::LivingWindows().empty());
  EXPECT_TRUE(FileTypes::pText);  // declared before the failure

  finalize();
  EXPECT_TRUE(FileTypes::pText.IsNil());
  EXPECT_FALSE(MenuBar1::InstanceExists());

  // The same failure in the whole process: main still returns 0.
  rt::testing::Reset();
  EXPECT_EQ(RunProcess(1, ProgramArguments()), 0);
  EXPECT_EQ(rt::testing::Recorded().unhandled.size(), 1u);
  EXPECT_TRUE(FileTypes::pText.IsNil());
}

}  // namespace
