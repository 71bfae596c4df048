// The menu bar: its tree as stored, built once and shared by the application
// and the game window, and the items found by name through the accessors.
#include <gtest/gtest.h>

#include <QAction>
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "app/app.h"
#include "app/menu_accessors.h"
#include "app/menubar1.h"
#include "app/startup.h"
#include "game/window1.h"
#include "rt/rt.h"
#include "rt/testing/driver.h"

namespace {

class MenuBarTree : public ::testing::Test {
 protected:
  void SetUp() override { rt::testing::Reset(); }
  void TearDown() override {
    rt::testing::ResetRuntime();
    MenuBar1::ReleaseInstance();
  }
};

struct ItemRow {
  const char* name;
  const std::type_info* type;
  const char* text;
  const char* shortcut;
  std::vector<ItemRow> children;
};

const auto& kMenuItem = typeid(rt::MenuItem);
const auto& kQuit = typeid(rt::QuitMenuItem);
const auto& kApple = typeid(rt::AppleMenuItem);

const std::vector<ItemRow> kTree = {
    {"FileMenu", &kMenuItem, "&File", "", {{"FileQuit", &kQuit, "Quit", "Cmd+Q", {}}}},
    {"EditMenu",
     &kMenuItem,
     "&Edit",
     "",
     {{"EditUndo", &kMenuItem, "&Undo", "Cmd+Z", {}},
      {"UntitledMenu0", &kMenuItem, "-", "", {}},
      {"EditCut", &kMenuItem, "Cu&t", "Cmd+X", {}},
      {"EditCopy", &kMenuItem, "&Copy", "Cmd+C", {}},
      {"EditPaste", &kMenuItem, "&Paste", "Cmd+V", {}},
      {"EditClear", &kMenuItem, "Clear", "", {}}}},
    {"SoundMenu",
     &kMenuItem,
     "Sound",
     "",
     {{"SoundSoundOn", &kMenuItem, "Sound On", "", {}},
      {"SoundSoundOff", &kMenuItem, "Sound Off", "", {}}}},
    {"ATMMenu", &kMenuItem, "ATM", "", {{"ATMAdd20Tokens", &kMenuItem, "Add 20 Tokens", "", {}}}},
    {"CheckforUpdateMenu",
     &kApple,
     "Check for Update",
     "",
     {{"CheckforUpdateCheckNow", &kMenuItem, "Check Now", "", {}},
      {"AppleAboutJolvane", &kApple, "About...", "", {}}}},
};

void ExpectItems(const rt::Ref<rt::MenuItem>& parent, const std::vector<ItemRow>& rows) {
  ASSERT_EQ(parent->Count(), static_cast<int>(rows.size())) << parent->Name();
  for (size_t i = 0; i < rows.size(); ++i) {
    const ItemRow& row = rows[i];
    rt::Ref<rt::MenuItem> item = parent->Item(static_cast<int>(i));
    ASSERT_TRUE(item);
    SCOPED_TRACE(row.name);
    const rt::MenuItem& object = *item;
    EXPECT_EQ(item->Name(), row.name);
    EXPECT_TRUE(typeid(object) == *row.type) << typeid(object).name();
    EXPECT_EQ(item->Text(), row.text);
    EXPECT_EQ(item->KeyboardShortcut(), row.shortcut);
    EXPECT_TRUE(item->AutoEnable());
    EXPECT_FALSE(item->Checked());
    EXPECT_TRUE(item->Enabled());
    ExpectItems(item, row.children);
  }
}

TEST_F(MenuBarTree, HoldsTheFiveMenusAndTwelveItemsAsStored) {
  rt::Ref<MenuBar1> bar = MenuBar1::Instance();
  ExpectItems(bar, kTree);
  EXPECT_TRUE(bar->Lookup("UntitledMenu0")->IsSeparator());
  // Drawn and announced as a bare line: no "-" beside it.
  EXPECT_TRUE(bar->Lookup("UntitledMenu0")->action()->isSeparator());
  EXPECT_TRUE(bar->Lookup("UntitledMenu0")->action()->text().isEmpty());
}

TEST_F(MenuBarTree, IsBuiltOnceAndSharedByTheApplicationAndTheGameWindow) {
  EXPECT_FALSE(MenuBar1::InstanceExists());
  NewAppInstance();
  rt::Ref<MenuBar1> bar = MenuBar1::Instance();
  EXPECT_TRUE(App::Instance()->MenuBar() == bar);
  EXPECT_TRUE(MenuBar1::Instance() == bar);
  EXPECT_TRUE(Window1::Instance()->MenuBar() == bar);
  EXPECT_EQ(bar->Count(), 5);  // built once, not appended to again

  // After the release at exit the next use builds a new bar.
  MenuBar1::ReleaseInstance();
  EXPECT_FALSE(MenuBar1::InstanceExists());
  rt::Ref<MenuBar1> again = MenuBar1::Instance();
  EXPECT_FALSE(again == bar);
  EXPECT_EQ(again->Count(), 5);
}

TEST_F(MenuBarTree, GlobalAccessorsFindTheItemsOnTheApplicationsBar) {
  // Before the application object exists they have nothing to look on.
  EXPECT_THROW(ATMAdd20Tokens(), rt::NilObjectException);

  NewAppInstance();
  rt::Ref<rt::MenuBar> bar = App::Instance()->MenuBar();
  const struct {
    std::function<rt::Ref<rt::MenuItem>()> accessor;
    const char* menu;
    const char* item;
  } rows[] = {
      {ATMAdd20Tokens, "ATMMenu", "ATMAdd20Tokens"},
      {SoundSoundOff, "SoundMenu", "SoundSoundOff"},
      {SoundSoundOn, "SoundMenu", "SoundSoundOn"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.item);
    rt::Ref<rt::MenuItem> found = row.accessor();
    ASSERT_TRUE(found);
    EXPECT_TRUE(found == bar->Child(row.menu)->Child(row.item));
  }
}

TEST_F(MenuBarTree, GameWindowAccessorsFindEveryItemButUntitledMenu2) {
  rt::Ref<Window1> window = Window1::Instance();
  rt::Ref<rt::MenuBar> bar = window->MenuBar();
  using Get = std::function<rt::Ref<rt::MenuItem>(Window1&)>;
  const struct {
    const char* name;
    Get get;
    const std::type_info* type;
  } rows[] = {
      {"CheckforUpdateMenu", [](Window1& w) { return w.CheckforUpdateMenu(); }, &kApple},
      {"AppleAboutJolvane", [](Window1& w) { return w.AppleAboutJolvane(); }, &kApple},
      {"CheckforUpdateCheckNow", [](Window1& w) { return w.CheckforUpdateCheckNow(); }, &kMenuItem},
      {"ATMMenu", [](Window1& w) { return w.ATMMenu(); }, &kMenuItem},
      {"ATMAdd20Tokens", [](Window1& w) { return w.ATMAdd20Tokens(); }, &kMenuItem},
      {"SoundMenu", [](Window1& w) { return w.SoundMenu(); }, &kMenuItem},
      {"SoundSoundOff", [](Window1& w) { return w.SoundSoundOff(); }, &kMenuItem},
      {"SoundSoundOn", [](Window1& w) { return w.SoundSoundOn(); }, &kMenuItem},
      {"EditMenu", [](Window1& w) { return w.EditMenu(); }, &kMenuItem},
      {"EditClear", [](Window1& w) { return w.EditClear(); }, &kMenuItem},
      {"EditPaste", [](Window1& w) { return w.EditPaste(); }, &kMenuItem},
      {"EditCopy", [](Window1& w) { return w.EditCopy(); }, &kMenuItem},
      {"EditCut", [](Window1& w) { return w.EditCut(); }, &kMenuItem},
      {"UntitledMenu0", [](Window1& w) { return w.UntitledMenu0(); }, &kMenuItem},
      {"EditUndo", [](Window1& w) { return w.EditUndo(); }, &kMenuItem},
      {"UntitledMenu2", [](Window1& w) { return w.UntitledMenu2(); }, nullptr},
      {"FileMenu", [](Window1& w) { return w.FileMenu(); }, &kMenuItem},
      {"FileQuit", [](Window1& w) { return w.FileQuit(); }, &kQuit},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    rt::Ref<rt::MenuItem> found = row.get(*window);
    if (!row.type) {
      EXPECT_TRUE(found.IsNil());
      continue;
    }
    ASSERT_TRUE(found);
    const rt::MenuItem& object = *found;
    EXPECT_TRUE(typeid(object) == *row.type);
    EXPECT_EQ(found->Name(), row.name);
    EXPECT_TRUE(found == bar->Lookup(row.name));
  }
}

}  // namespace
