// Menus: the tree and its lookups, texts and shortcuts, EnableMenuItems
// before every choice, handlers by item name, the Quit item, and the bars
// that windows show.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <string>
#include <vector>

#include "rt/rt.h"
#include "rt/testing/driver.h"

namespace {

using rt::Ref;

class TestApp : public rt::Application {
 public:
  std::vector<std::string> log;
  int32_t bankroll = 20;
  bool cutAllowed = true;
  Ref<rt::MenuBar> bar;

 protected:
  // As the program's: the ATM item only while the bankroll is 0.
  void Event_EnableMenuItems() override {
    log.push_back("enable");
    Ref<rt::MenuItem> atm = bar->Lookup("ATMAdd20Tokens");
    if (bankroll == 0) {
      atm->Enable();
    } else {
      atm->SetEnabled(false);
    }
    bar->Lookup("EditCut")->SetEnabled(cutAllowed);
  }
};

template <class T = rt::MenuItem>
Ref<T> Item(const std::string& name, const std::string& text, const std::string& shortcut = "") {
  auto item = rt::RuntimeNewObject<T>();
  item->Constructor();
  item->SetName(name);
  item->SetAutoEnable(true);
  item->SetText(text);
  if (!shortcut.empty()) item->SetKeyboardShortcut(shortcut);
  return item;
}

Ref<rt::MenuBar> BuildBar() {
  auto bar = rt::RuntimeNewObject<rt::MenuBar>();
  bar->Append(Item("FileMenu", "&File"));
  bar->Child("FileMenu")->Append(Item<rt::QuitMenuItem>("FileQuit", "Quit", "Cmd+Q"));
  bar->Append(Item("EditMenu", "&Edit"));
  bar->Child("EditMenu")->Append(Item("EditUndo", "&Undo", "Cmd+Z"));
  bar->Child("EditMenu")->Append(Item("UntitledMenu0", "-"));
  bar->Child("EditMenu")->Append(Item("EditCut", "Cu&t", "Cmd+X"));
  bar->Append(Item("SoundMenu", "Sound"));
  bar->Child("SoundMenu")->Append(Item("SoundSoundOn", "Sound On"));
  bar->Child("SoundMenu")->Append(Item("SoundSoundOff", "Sound Off"));
  bar->Append(Item("ATMMenu", "ATM"));
  bar->Child("ATMMenu")->Append(Item("ATMAdd20Tokens", "Add 20 Tokens"));
  bar->Append(Item<rt::AppleMenuItem>("CheckforUpdateMenu", "Check for Update"));
  bar->Child("CheckforUpdateMenu")->Append(Item("MoreMenu", "More"));
  bar->Lookup("MoreMenu")->Append(Item("DeepItem", "Deep"));
  return bar;
}

class BarWindow : public rt::Window {
 public:
  BarWindow() : rt::Window("BarWindow.BarWindow") {}
  static inline Ref<rt::MenuBar> bar;

 protected:
  void Layout() override {
    SetMenuBar(bar);
    rt::SetProperties(
        rt::SelfRef(this),
        rt::PropertyList().Int("Width", 300).Int("Height", 200).Bool("Visible", true));
  }
};

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::testing::Reset();
    app = rt::RuntimeNewObject<TestApp>();
    app->bar = BuildBar();
    app->SetMenuBar(app->bar);
    rt::RuntimeRegisterAppObject(app);
    bar = app->bar;
  }
  void TearDown() override {
    BarWindow::bar = nullptr;
    rt::testing::ResetRuntime();
    rt::testing::Reset();
  }
  void Bind(const std::string& name) {
    app->AddMenuHandler(name, [this, name] {
      app->log.push_back(name);
      return false;
    });
  }

  Ref<TestApp> app;
  Ref<rt::MenuBar> bar;
};

TEST_F(MenuTest, LookupFindsAnyDepthChildOnlyDirect) {
  EXPECT_EQ(bar->Count(), 5);
  EXPECT_EQ(bar->Item(2)->Name(), "SoundMenu");
  EXPECT_TRUE(bar->Item(5) == nullptr);
  EXPECT_TRUE(bar->Item(-1) == nullptr);
  EXPECT_TRUE(bar->Child("SoundMenu") != nullptr);
  EXPECT_TRUE(bar->Child("SoundSoundOn") == nullptr);
  ASSERT_TRUE(bar->Lookup("SoundSoundOn") != nullptr);
  EXPECT_EQ(bar->Lookup("SoundSoundOn")->Text(), "Sound On");
  ASSERT_TRUE(bar->Lookup("DeepItem") != nullptr);  // three levels down
  EXPECT_TRUE(bar->Lookup("DeepItem") == bar->Lookup("MoreMenu")->Child("DeepItem"));
  EXPECT_TRUE(bar->Lookup("UntitledMenu2") == nullptr);
  EXPECT_NO_THROW(rt::RuntimeCheckCast<rt::QuitMenuItem>(bar->Lookup("FileQuit")));
  EXPECT_THROW(rt::RuntimeCheckCast<rt::QuitMenuItem>(bar->Lookup("EditCut")),
               rt::IllegalCastException);
}

TEST_F(MenuTest, TextsKeepTheirMarksAndCmdIsCtrl) {
  Ref<rt::MenuItem> cut = bar->Lookup("EditCut");
  EXPECT_EQ(cut->Text(), "Cu&t");
  EXPECT_EQ(cut->KeyboardShortcut(), "Cmd+X");
  EXPECT_EQ(cut->action()->text(), QString("Cu&t"));
  EXPECT_EQ(cut->action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
  EXPECT_EQ(bar->Lookup("FileQuit")->action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_TRUE(bar->Lookup("SoundSoundOn")->action()->shortcut().isEmpty());
  EXPECT_TRUE(bar->Lookup("UntitledMenu0")->IsSeparator());
  // A line with no text beside it, and nothing for a screen reader to read.
  EXPECT_TRUE(bar->Lookup("UntitledMenu0")->action()->isSeparator());
  EXPECT_TRUE(bar->Lookup("UntitledMenu0")->action()->text().isEmpty());
  Ref<rt::MenuItem> late = Item("Late", "Late");
  late->action();
  late->SetText("-");  // made a separator once its action exists
  EXPECT_TRUE(late->action()->isSeparator());
  EXPECT_TRUE(late->action()->text().isEmpty());
  late->SetText("Back");
  EXPECT_FALSE(late->action()->isSeparator());
  EXPECT_EQ(late->action()->text(), QString("Back"));
  QMenu* edit = bar->Child("EditMenu")->action()->menu();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->actions().size(), 3);
  EXPECT_EQ(edit->actions()[2], cut->action());
}

TEST_F(MenuTest, ChoosingRunsEnableMenuItemsFirstThenTheHandlerByName) {
  Bind("ATMAdd20Tokens");
  Ref<rt::MenuItem> atm = bar->Lookup("ATMAdd20Tokens");
  EXPECT_FALSE(atm->Choose());  // the bankroll is not 0: the item is disabled
  EXPECT_EQ(app->log, std::vector<std::string>{"enable"});
  app->log.clear();
  app->bankroll = 0;
  atm->SetEnabled(false);  // the event, not the old state, decides
  EXPECT_TRUE(atm->Choose());
  EXPECT_EQ(app->log, (std::vector<std::string>{"enable", "ATMAdd20Tokens"}));
  EXPECT_FALSE(bar->Lookup("EditUndo")->Choose());  // no handler: nothing runs
}

// An auto-enabled item shows enabled only when something acts on it: a
// handler bound to its name, the Quit item's quit, a menu to open, or the
// program's own Enable; its Enabled property stays the program's.
TEST_F(MenuTest, AutoEnabledItemsThatNothingReachesShowDisabled) {
  Bind("SoundSoundOn");
  Bind("ATMAdd20Tokens");
  Ref<rt::MenuItem> own = Item("OwnItem", "Own");
  own->SetAutoEnable(false);
  bar->Child("EditMenu")->Append(own);
  bar->Lookup("SoundSoundOff")->Enable();  // the program enables it, with no handler
  BarWindow::bar = bar;
  auto w = rt::ImplicitInstance<BarWindow>("BarWindow.BarWindow");
  const struct {
    const char* item;
    bool shown;
  } rows[] = {
      {"FileMenu", true}, {"FileQuit", true},     {"EditMenu", true},      {"EditUndo", false},
      {"EditCut", false}, {"SoundSoundOn", true}, {"SoundSoundOff", true}, {"ATMAdd20Tokens", true},
      {"MoreMenu", true}, {"DeepItem", false},    {"OwnItem", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.item);
    Ref<rt::MenuItem> item = bar->Lookup(row.item);
    EXPECT_TRUE(item->Enabled());
    EXPECT_EQ(item->action()->isEnabled(), row.shown);
  }
  EXPECT_FALSE(bar->Lookup("EditUndo")->Choose());
  // A handler bound later reaches the item at once.
  Bind("EditCut");
  EXPECT_TRUE(bar->Lookup("EditCut")->action()->isEnabled());
  EXPECT_TRUE(bar->Lookup("EditCut")->Choose());
  EXPECT_EQ(app->log.back(), "EditCut");
  // The program's own disabling still wins over a bound handler.
  app->bankroll = 5;
  EXPECT_FALSE(bar->Lookup("ATMAdd20Tokens")->Choose());
  EXPECT_FALSE(bar->Lookup("ATMAdd20Tokens")->action()->isEnabled());
}

TEST_F(MenuTest, HandlersKeepTheOrderTheyWereBound) {
  for (const char* name : {"AppleAboutJolvane", "CheckforUpdateCheckNow", "SoundSoundOff",
                           "SoundSoundOn", "ATMAdd20Tokens"})
    Bind(name);
  EXPECT_EQ(app->MenuHandlerNames(),
            (std::vector<std::string>{"AppleAboutJolvane", "CheckforUpdateCheckNow",
                                      "SoundSoundOff", "SoundSoundOn", "ATMAdd20Tokens"}));
  EXPECT_FALSE(static_cast<bool>(app->MenuHandler("EditCut")));
}

TEST_F(MenuTest, QuitItemQuitsUnlessAHandlerIsBound) {
  EXPECT_TRUE(bar->Lookup("FileQuit")->Choose());
  EXPECT_TRUE(rt::QuitRequested());
  rt::testing::ResetRuntime();
  EXPECT_FALSE(rt::QuitRequested());
  rt::RuntimeRegisterAppObject(app);
  Bind("FileQuit");
  EXPECT_TRUE(bar->Lookup("FileQuit")->Choose());
  EXPECT_FALSE(rt::QuitRequested());
  EXPECT_EQ(app->log.back(), "FileQuit");
}

TEST_F(MenuTest, WindowsShowTheSameItems) {
  BarWindow::bar = bar;
  auto first = rt::ImplicitInstance<BarWindow>("BarWindow.BarWindow");
  auto* qbar = first->widget()->findChild<QMenuBar*>();
  ASSERT_NE(qbar, nullptr);
  ASSERT_EQ(qbar->actions().size(), 5);
  EXPECT_EQ(qbar->actions()[0]->text(), QString("&File"));
  EXPECT_EQ(qbar->actions()[4]->text(), QString("Check for Update"));

  class Other : public rt::Window {
   public:
    Other() : rt::Window("Other.Other") {}
  };
  auto second = rt::RuntimeNewObject<Other>();
  second->Constructor();
  second->SetMenuBar(bar);
  auto* qbar2 = second->widget()->findChild<QMenuBar*>();
  ASSERT_NE(qbar2, nullptr);
  EXPECT_EQ(qbar->actions(), qbar2->actions());

  // A check mark or an enabling shows everywhere at once.
  Ref<rt::MenuItem> on = bar->Lookup("SoundSoundOn");
  on->SetChecked(true);
  EXPECT_TRUE(on->action()->isChecked());
  bar->Lookup("SoundSoundOff")->SetChecked(false);
  EXPECT_FALSE(bar->Lookup("SoundSoundOff")->action()->isChecked());
  bar->Lookup("EditUndo")->SetEnabled(false);
  EXPECT_FALSE(bar->Lookup("EditUndo")->action()->isEnabled());
  // A menu appended later appears in both.
  bar->Append(Item("HelpMenu", "Help"));
  EXPECT_EQ(qbar->actions().size(), 6);
  EXPECT_EQ(qbar2->actions().size(), 6);
}

TEST_F(MenuTest, TriggeringAnItemRunsItsHandlerThroughTheEventLoop) {
  Ref<rt::MenuItem> on = bar->Lookup("SoundSoundOn");
  on->SetChecked(true);
  int calls = 0;
  app->AddMenuHandler("SoundSoundOn", [&] {
    if (++calls == 1) throw rt::NilObjectException("no window");
    return false;
  });
  on->action()->trigger();
  on->action()->trigger();
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(rt::testing::Recorded().eventErrors.size(), 1u);
  // Qt toggles a checkable action; the check mark stays the program's.
  EXPECT_TRUE(on->Checked());
  EXPECT_TRUE(on->action()->isChecked());
}

TEST_F(MenuTest, OpeningAMenuRunsEnableMenuItems) {
  BarWindow::bar = bar;
  auto w = rt::ImplicitInstance<BarWindow>("BarWindow.BarWindow");
  QMenu* atmMenu = bar->Child("ATMMenu")->action()->menu();
  ASSERT_NE(atmMenu, nullptr);
  app->bankroll = 0;
  atmMenu->popup(w->widget()->mapToGlobal(QPoint(10, 10)));
  EXPECT_EQ(app->log, std::vector<std::string>{"enable"});
  EXPECT_TRUE(bar->Lookup("ATMAdd20Tokens")->action()->isEnabled());
  atmMenu->hide();
  app->bankroll = 5;
  atmMenu->popup(w->widget()->mapToGlobal(QPoint(10, 10)));
  EXPECT_FALSE(bar->Lookup("ATMAdd20Tokens")->action()->isEnabled());
  atmMenu->hide();
}

TEST_F(MenuTest, ShortcutRunsEnableMenuItemsBeforeItIsTaken) {
  Bind("EditCut");
  BarWindow::bar = bar;
  auto w = rt::ImplicitInstance<BarWindow>("BarWindow.BarWindow");
  ASSERT_TRUE(QTest::qWaitForWindowActive(w->widget()));
  QTest::keyClick(w->contentWidget(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(app->log, (std::vector<std::string>{"enable", "EditCut"}));
  app->log.clear();
  app->cutAllowed = false;  // disabled by the event: the shortcut is not taken
  QTest::keyClick(w->contentWidget(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(app->log, std::vector<std::string>{"enable"});
}

}  // namespace
