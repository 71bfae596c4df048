// The game window as its layout builds it: the 34 controls by name and class,
// the state before Open, places in window coordinates (also on screen), the
// texts, fonts and colours, and the event bindings.
#include <gtest/gtest.h>

#include <QPoint>
#include <QSize>
#include <QTest>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <iterator>
#include <string>
#include <typeinfo>
#include <vector>

#include "app/menubar1.h"
#include "game/module1.h"
#include "game/window1.h"
#include "rt/rt.h"
#include "rt/testing/driver.h"

namespace {

class Window1Layout : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::testing::Reset();
    Module1::PlayStarted = false;
    Module1::Pull = false;
  }
  void TearDown() override { rt::testing::ResetRuntime(); }

  template <class T>
  static rt::Ref<T> Control(const rt::Ref<Window1>& window, const std::string& name) {
    return rt::RuntimeCheckCast<T>(window->ControlByName(name));
  }
};

// The window as the layout leaves it: built, its Open left out. It records
// what the wager was when Open would have run.
class Window1BeforeOpen : public Window1 {
 public:
  void Event_Open() override { wagerAtOpen = Module1::Wager; }
  int32_t wagerAtOpen = -1;
};

struct ControlRow {
  const char* name;
  const std::type_info* type;
  std::function<rt::Ref<rt::Control>(Window1&)> accessor;
};

#define ROW(name, type)                                                                  \
  {                                                                                      \
#name, &typeid(type), [](Window1 & w) -> rt::Ref < rt::Control> { return w.name(); } \
  }
const std::vector<ControlRow> kControls = {
    ROW(Rectangle1, rt::Rectangle),     ROW(Rectangle2, rt::Rectangle),
    ROW(Canvas2, rt::Canvas),           ROW(Canvas5, rt::Canvas),
    ROW(Canvas8, rt::Canvas),           ROW(GroupBox1, rt::GroupBox),
    ROW(StaticText1, rt::Label),        ROW(RadioButton1, rt::RadioButton),
    ROW(RadioButton2, rt::RadioButton), ROW(RadioButton3, rt::RadioButton),
    ROW(StaticText2, rt::Label),        ROW(StaticText3, rt::Label),
    ROW(Rectangle3, rt::Rectangle),     ROW(Canvas1, rt::Canvas),
    ROW(Rectangle4, rt::Rectangle),     ROW(Canvas4, rt::Canvas),
    ROW(Rectangle5, rt::Rectangle),     ROW(Canvas7, rt::Canvas),
    ROW(Rectangle6, rt::Rectangle),     ROW(Canvas3, rt::Canvas),
    ROW(Rectangle7, rt::Rectangle),     ROW(Canvas6, rt::Canvas),
    ROW(Rectangle8, rt::Rectangle),     ROW(Canvas9, rt::Canvas),
    ROW(Canvas10, rt::Canvas),          ROW(Timer1, Window1_Timer1),
    ROW(Timer2, Window1_Timer2),        ROW(Timer3, Window1_Timer3),
    ROW(StaticText4, rt::Label),        ROW(StaticText5, rt::Label),
    ROW(StaticText6, rt::Label),        ROW(Timer4, Window1_Timer4),
    ROW(Timer5, Window1_Timer5),        ROW(Timer6, Window1_Timer6),
};
#undef ROW

TEST_F(Window1Layout, HasTheThirtyFourControlsInCreationOrderEachOfItsClass) {
  rt::Ref<Window1> window = Window1::Instance();
  std::vector<rt::Ref<rt::Control>> controls = window->Controls();
  ASSERT_EQ(controls.size(), kControls.size());
  for (size_t i = 0; i < kControls.size(); ++i) {
    const ControlRow& row = kControls[i];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(controls[i]->Name(), row.name);
    rt::Ref<rt::Control> byName = window->ControlByName(row.name);
    ASSERT_TRUE(byName);
    const rt::Control& control = *byName;
    EXPECT_TRUE(typeid(control) == *row.type) << typeid(control).name();
    EXPECT_TRUE(row.accessor(*window) == byName);
    EXPECT_TRUE(byName->Window() == window);
  }
}

TEST_F(Window1Layout, TwoCallsGiveOneWindowShownWithoutAShowCall) {
  rt::Ref<Window1> first = Window1::Instance();
  rt::Ref<Window1> second = Window1::Instance();
  EXPECT_TRUE(first == second);
  EXPECT_EQ(rt::LivingWindows().size(), 1u);
  EXPECT_TRUE(first->Visible());
  ASSERT_NE(first->widget(), nullptr);
  EXPECT_TRUE(first->widget()->isVisible());
  EXPECT_EQ(first->Controls().size(), 34u);
}

TEST_F(Window1Layout, WindowIsAFixedWhiteTitledWindowWithTheSharedMenuBar) {
  rt::Ref<Window1> window = Window1::Instance();
  EXPECT_EQ(window->Title(), "Jolvane");
  EXPECT_EQ(window->Width(), 453);
  EXPECT_EQ(window->Height(), 567);
  EXPECT_EQ(window->contentWidget()->size(), QSize(453, 567));
  EXPECT_TRUE(window->BackColor() == rt::RGB(0xFFFFFF));
  EXPECT_FALSE(window->Resizeable());
  EXPECT_FALSE(window->MaximizeButton());
  EXPECT_TRUE(window->MinimizeButton());
  EXPECT_TRUE(window->CloseButton());
  EXPECT_TRUE(window->MenuBar() == MenuBar1::Instance());
}

// Before Open: RadioButton1 selected by its list, with no handler run; the
// bankroll figure, the hidden banner, every timer off with its period, no
// pictures yet.
TEST_F(Window1Layout, LeavesTheStartingStateBeforeOpenWithoutRunningAHandler) {
  Module1::Wager = 0;
  rt::Ref<Window1BeforeOpen> window = rt::RuntimeNewObject<Window1BeforeOpen>();
  window->Constructor();

  EXPECT_EQ(window->wagerAtOpen, 0) << "a wager handler ran during construction";
  EXPECT_TRUE(window->RadioButton1()->Value());
  EXPECT_FALSE(window->RadioButton2()->Value());
  EXPECT_FALSE(window->RadioButton3()->Value());
  EXPECT_EQ(window->StaticText2()->Text(), "20");
  EXPECT_FALSE(window->StaticText6()->Visible());
  EXPECT_TRUE(window->StaticText6()->widget()->isHidden());

  const struct {
    rt::Ref<rt::Timer> timer;
    int32_t period;
  } timers[] = {{window->Timer1(), 1500}, {window->Timer2(), 2500}, {window->Timer3(), 3500},
                {window->Timer4(), 8000}, {window->Timer5(), 300},  {window->Timer6(), 100}};
  for (const auto& t : timers) {
    SCOPED_TRACE(t.timer->Name());
    EXPECT_EQ(t.timer->Mode(), rt::Timer::kModeOff);
    EXPECT_EQ(t.timer->Period(), t.period);
    EXPECT_TRUE(t.timer->PaneWindow() == window);
  }
  for (const char* canvas : {"Canvas1", "Canvas2", "Canvas3", "Canvas4", "Canvas5", "Canvas6",
                             "Canvas7", "Canvas8", "Canvas9", "Canvas10"}) {
    EXPECT_TRUE(Control<rt::Canvas>(window, canvas)->Backdrop().IsNil()) << canvas;
  }
}

// Places are window coordinates, also inside a parent: a child does not add
// its parent's offset. Checked on the control and on the widget's real place
// in the window's content area.
TEST_F(Window1Layout, PlacesChildrenInWindowCoordinates) {
  const struct {
    const char* name;
    int left, top, width, height;
    const char* parent;
  } rows[] = {
      {"Rectangle1", 68, 100, 283, 344, ""},
      {"Rectangle2", 86, 207, 245, 74, "Rectangle1"},
      {"Canvas2", 92, 212, 70, 63, "Rectangle2"},  // not at (178, 419)
      {"Canvas5", 174, 212, 70, 63, "Rectangle2"},
      {"Canvas8", 255, 212, 70, 63, "Rectangle2"},
      {"GroupBox1", 115, 355, 184, 69, "Rectangle1"},
      {"StaticText1", 138, 398, 143, 20, "GroupBox1"},  // a grandchild of the face
      {"RadioButton1", 124, 366, 47, 20, "GroupBox1"},
      {"RadioButton2", 182, 366, 47, 20, "GroupBox1"},
      {"RadioButton3", 240, 366, 47, 20, "GroupBox1"},
      {"StaticText2", 225, 112, 67, 20, "Rectangle1"},
      {"StaticText3", 128, 112, 100, 20, "Rectangle1"},
      {"Rectangle3", 90, 142, 74, 65, "Rectangle1"},
      {"Canvas1", 92, 144, 70, 63, "Rectangle3"},
      {"Rectangle4", 172, 142, 74, 65, "Rectangle1"},
      {"Canvas4", 174, 144, 70, 63, "Rectangle4"},
      {"Rectangle5", 253, 142, 74, 65, "Rectangle1"},
      {"Canvas7", 255, 144, 70, 63, "Rectangle5"},
      {"Rectangle6", 90, 280, 74, 65, "Rectangle1"},
      {"Canvas3", 92, 280, 70, 63, "Rectangle6"},
      {"Rectangle7", 172, 280, 74, 65, "Rectangle1"},
      {"Canvas6", 174, 280, 70, 63, "Rectangle7"},
      // Reel 3's bottom cell and its frame, one pixel right of the column.
      {"Rectangle8", 254, 280, 74, 65, "Rectangle1"},
      {"Canvas9", 256, 280, 70, 63, "Rectangle8"},
      {"Canvas10", 351, 117, 43, 150, ""},
      {"StaticText4", 57, 6, 310, 38, ""},
      {"StaticText5", 50, 456, 326, 91, ""},
      {"StaticText6", 43, 50, 333, 43, ""},
  };
  rt::Ref<Window1> window = Window1::Instance();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    rt::Ref<rt::RectControl> control = Control<rt::RectControl>(window, row.name);
    EXPECT_EQ(control->Left(), row.left);
    EXPECT_EQ(control->Top(), row.top);
    EXPECT_EQ(control->Width(), row.width);
    EXPECT_EQ(control->Height(), row.height);
    if (*row.parent) {
      ASSERT_TRUE(control->Parent());
      EXPECT_EQ(control->Parent()->Name(), row.parent);
    } else {
      EXPECT_TRUE(control->Parent().IsNil());
    }
    QWidget* widget = control->widget();
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->mapTo(window->contentWidget(), QPoint(0, 0)), QPoint(row.left, row.top));
    EXPECT_EQ(widget->size(), QSize(row.width, row.height));
  }
}

// What the player sees at a pixel: the control created later lies above, a
// child above its parent.
TEST_F(Window1Layout, StacksLaterControlsAndChildrenOnTop) {
  const struct {
    QPoint at;
    const char* topmost;
  } rows[] = {
      {{226, 120}, "StaticText3"},  // "Bankroll:" over the figure where they overlap
      {{93, 213}, "Canvas2"},       // a middle cell on the band
      {{257, 281}, "Canvas9"},      // reel 3's bottom cell in its frame
      {{255, 281}, "Rectangle8"},   // the frame's left border beside it
      {{352, 118}, "Canvas10"},     // the handle, just right of the face
  };
  rt::Ref<Window1> window = Window1::Instance();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.topmost);
    QWidget* hit = window->contentWidget()->childAt(row.at);
    QWidget* expected = Control<rt::RectControl>(window, row.topmost)->widget();
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit == expected || expected->isAncestorOf(hit));
  }
}

TEST_F(Window1Layout, TextsFontsAndColoursOfTheTextControls) {
  const rt::Color black = rt::RGB(0x000000);
  const struct {
    const char* name;
    std::string text;  // Text of a label, Caption of the others
    const char* font;
    float size;
    bool bold;
    int align;  // labels only
    rt::Color color;
    bool multiline;
    bool visible;
  } rows[] = {
      {"GroupBox1", "", "System", 12, false, -1, black, false, true},
      {"StaticText1", "Wager", "System", 12, true, 1, black, false, true},
      {"RadioButton1", "1", "System", 12, false, -1, black, false, true},
      {"RadioButton2", "5", "System", 12, false, -1, black, false, true},
      {"RadioButton3", "10", "System", 12, false, -1, black, false, true},
      {"StaticText2", "20", "System", 16, true, 1, black, false, true},
      {"StaticText3", "Bankroll:", "System", 16, true, 2, black, false, true},
      {"StaticText4", "To play, set your wager and click on handle or click on the space bar.",
       "System", 14, false, 1, black, true, true},
      {"StaticText5",
       "Only the middle icons count.\rOnly 7s give you a return.\rAny 7 = 2 x wager.\r"
       "Two 7s = 6 x wager.\rThree 7s = 70 x wager.",
       "System", 14, false, 1, black, true, true},
      {"StaticText6", "JACKPOT", "Helvetica Neue", 36, true, 1, rt::Color{59, 80, 255}, false,
       false},
  };
  rt::Ref<Window1> window = Window1::Instance();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    rt::Ref<rt::TextControl> control = Control<rt::TextControl>(window, row.name);
    EXPECT_EQ(control->TextFont(), row.font);
    EXPECT_EQ(control->TextSize(), row.size);
    EXPECT_EQ(control->TextUnit(), 0);
    EXPECT_EQ(control->Bold(), row.bold);
    EXPECT_FALSE(control->Italic());
    EXPECT_FALSE(control->Underline());
    EXPECT_EQ(control->Visible(), row.visible);
    EXPECT_TRUE(control->Enabled());
    if (auto label = std::dynamic_pointer_cast<rt::Label>(control.shared())) {
      EXPECT_EQ(label->Text(), row.text);
      EXPECT_EQ(label->TextAlign(), row.align);
      EXPECT_TRUE(label->TextColor() == row.color);
      EXPECT_EQ(label->Multiline(), row.multiline);
    } else if (auto group = std::dynamic_pointer_cast<rt::GroupBox>(control.shared())) {
      EXPECT_EQ(group->Caption(), row.text);
    } else {
      EXPECT_EQ(rt::RuntimeCheckCast<rt::RadioButton>(control)->Caption(), row.text);
    }
  }
  // The pay rules are 117 characters, the instructions 70 with no break.
  EXPECT_EQ(rt::Len(window->StaticText5()->Text()), 117);
  EXPECT_EQ(rt::Len(window->StaticText4()->Text()), 70);
}

TEST_F(Window1Layout, RectanglesFillsAndBorders) {
  const rt::Color white = rt::RGB(0xFFFFFF), black = rt::RGB(0x000000);
  const struct {
    const char* name;
    rt::Color fill;
    int border;
  } rows[] = {
      {"Rectangle1", white, 5}, {"Rectangle2", rt::RGB(0x010101), 1},  // near black, not black
      {"Rectangle3", white, 1}, {"Rectangle4", white, 1},
      {"Rectangle5", white, 1}, {"Rectangle6", white, 1},
      {"Rectangle7", white, 1}, {"Rectangle8", white, 1},
  };
  rt::Ref<Window1> window = Window1::Instance();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    rt::Ref<rt::Rectangle> rect = Control<rt::Rectangle>(window, row.name);
    EXPECT_TRUE(rect->FillColor() == row.fill);
    EXPECT_EQ(rect->BorderWidth(), row.border);
    EXPECT_TRUE(rect->TopLeftColor() == black);
    EXPECT_TRUE(rect->BottomRightColor() == black);
  }
}

// A timer is named only by its registration: its list holds Mode and Period,
// 20 bytes, and no Name.
TEST_F(Window1Layout, EachTimersListIsModeOffAndItsPeriodWithoutAName) {
  struct Applied {
    std::string timer, bytes;
  };
  std::vector<Applied> applied;
  rt::testing::OnSetProperties([&](const rt::Object& target, const std::string& bytes) {
    if (auto* timer = dynamic_cast<const rt::Timer*>(&target))
      applied.push_back({timer->Name(), bytes});
  });
  rt::RuntimeNewObject<Window1BeforeOpen>()->Constructor();
  rt::testing::OnSetProperties(nullptr);

  const auto bigEndian = [](uint32_t v) {
    return std::string{static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 8), static_cast<char>(v)};
  };
  const struct {
    const char* timer;
    uint32_t period;
  } rows[] = {{"Timer1", 1500}, {"Timer2", 2500}, {"Timer3", 3500},
              {"Timer4", 8000}, {"Timer5", 300},  {"Timer6", 100}};
  ASSERT_EQ(applied.size(), std::size(rows));
  for (size_t i = 0; i < applied.size(); ++i) {
    SCOPED_TRACE(rows[i].timer);
    EXPECT_EQ(applied[i].timer, rows[i].timer);
    EXPECT_EQ(applied[i].bytes.size(), 20u);
    EXPECT_EQ(applied[i].bytes, "Mode " + bigEndian(0) + "Period " + bigEndian(rows[i].period));
  }
}

// Each list holds its class's keys in their order, InitialParent last: the
// window's, then each visual control's in creation order.
TEST_F(Window1Layout, EachListHoldsItsClasssKeysInOrder) {
  using Keys = std::vector<std::string>;
  const Keys window = {"Placement",  "Width",        "Height",         "MinWidth",
                       "MinHeight",  "MaxWidth",     "MaxHeight",      "Frame",
                       "Composite",  "HasBackColor", "BackColor",      "Title",
                       "Visible",    "FullScreen",   "MenuBarVisible", "CloseButton",
                       "Resizeable", "LiveResize",   "MaximizeButton", "MinimizeButton",
                       "MacProcID"};
  const Keys place = {"Name",   "Index",    "Left",    "Top",       "Width",
                      "Height", "LockLeft", "LockTop", "LockRight", "LockBottom"};
  const auto keys = [&place](std::initializer_list<const char*> rest) {
    Keys all = place;
    all.insert(all.end(), rest.begin(), rest.end());
    all.push_back("InitialParent");
    return all;
  };
  const Keys rectangle =
      keys({"TabIndex", "TabPanelIndex", "Visible", "HelpTag", "AutoDeactivate", "Enabled",
            "FillColor", "BorderWidth", "TopLeftColor", "BottomRightColor"});
  const Keys canvas = keys({"TabPanelIndex", "TabIndex", "TabStop", "Visible", "HelpTag",
                            "AutoDeactivate", "Enabled", "UseFocusRing", "AcceptFocus",
                            "AcceptTabs", "DoubleBuffer", "EraseBackground"});
  const Keys groupBox =
      keys({"TabPanelIndex", "TabIndex", "TabStop", "Caption", "Enabled", "Visible", "HelpTag",
            "AutoDeactivate", "TextFont", "Bold", "Italic", "Underline"});
  const Keys label =
      keys({"TabPanelIndex", "TabIndex", "Text", "TextAlign", "TextColor", "Multiline", "Enabled",
            "Visible", "Selectable", "Transparent", "HelpTag", "AutoDeactivate", "TextFont", "Bold",
            "Italic", "Underline", "DataSource", "DataField"});
  const Keys radioButton =
      keys({"TabPanelIndex", "TabIndex", "TabStop", "Caption", "Enabled", "Visible", "HelpTag",
            "AutoDeactivate", "TextFont", "Bold", "Italic", "Underline", "Value"});
  const struct {
    const char* name;  // "" for the window
    const Keys& keys;
  } rows[] = {
      {"", window},
      {"Rectangle1", rectangle},
      {"Rectangle2", rectangle},
      {"Canvas2", canvas},
      {"Canvas5", canvas},
      {"Canvas8", canvas},
      {"GroupBox1", groupBox},
      {"StaticText1", label},
      {"RadioButton1", radioButton},
      {"RadioButton2", radioButton},
      {"RadioButton3", radioButton},
      {"StaticText2", label},
      {"StaticText3", label},
      {"Rectangle3", rectangle},
      {"Canvas1", canvas},
      {"Rectangle4", rectangle},
      {"Canvas4", canvas},
      {"Rectangle5", rectangle},
      {"Canvas7", canvas},
      {"Rectangle6", rectangle},
      {"Canvas3", canvas},
      {"Rectangle7", rectangle},
      {"Canvas6", canvas},
      {"Rectangle8", rectangle},
      {"Canvas9", canvas},
      {"Canvas10", canvas},
      {"StaticText4", label},
      {"StaticText5", label},
      {"StaticText6", label},
  };
  struct Applied {
    std::string name;
    Keys keys;
  };
  std::vector<Applied> applied;
  rt::testing::OnSetProperties([&](const rt::Object& target, const std::string& bytes) {
    if (dynamic_cast<const rt::Timer*>(&target)) return;  // their own test, above
    const auto* control = dynamic_cast<const rt::Control*>(&target);
    if (!control && !dynamic_cast<const rt::Window*>(&target)) return;
    Applied list{control ? control->Name() : "", {}};
    for (const rt::PropertyEntry& entry : rt::ReadPropertyList(bytes, target))
      list.keys.push_back(entry.key);
    applied.push_back(list);
  });
  rt::RuntimeNewObject<Window1BeforeOpen>()->Constructor();
  rt::testing::OnSetProperties(nullptr);

  ASSERT_EQ(applied.size(), std::size(rows));
  for (size_t i = 0; i < applied.size(); ++i) {
    SCOPED_TRACE(*rows[i].name ? rows[i].name : "the window");
    EXPECT_EQ(applied[i].name, rows[i].name);
    EXPECT_EQ(applied[i].keys, rows[i].keys);
  }
}

// The three wager buttons form one group through their parent, and a click
// reaches the bound handler.
TEST_F(Window1Layout, WagerButtonsAreOneGroupAndReachTheirHandlers) {
  rt::Ref<Window1> window = Window1::Instance();
  const struct {
    const char* clicked;
    int32_t wager;
  } rows[] = {{"RadioButton2", 5}, {"RadioButton3", 10}, {"RadioButton1", 1}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.clicked);
    QWidget* button = Control<rt::RadioButton>(window, row.clicked)->widget();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
    EXPECT_EQ(Module1::Wager, row.wager);
    for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton3"}) {
      EXPECT_EQ(Control<rt::RadioButton>(window, name)->Value(), std::string(name) == row.clicked)
          << name;
    }
  }
}

// Each timer, once switched on, fires after its own period into its own
// handler.
TEST_F(Window1Layout, EachTimerFiresIntoItsOwnHandlerAfterItsPeriod) {
  rt::Ref<Window1> window = Window1::Instance();
  const struct {
    const char* timer;
    int32_t period;
    std::function<void()> arrange;
    std::function<bool()> fired;
  } rows[] = {
      {"Timer1", 1500, [] { Module1::StopColOne = "False"; },
       [] { return Module1::StopColOne == "True"; }},
      {"Timer2", 2500, [] { Module1::StopColTwo = "False"; },
       [] { return Module1::StopColTwo == "True"; }},
      {"Timer3", 3500, [] { Module1::StopColThree = "False"; },
       [] { return Module1::StopColThree == "True"; }},
      {"Timer4", 8000, [&] { window->StaticText6()->SetVisible(true); },
       [&] { return !window->StaticText6()->Visible(); }},
      {"Timer6", 100, [] { Module1::j = 3; }, [] { return Module1::j == 4; }},
      {"Timer5", 300, [] { Module1::Pull = true; }, [] { return Module1::PlayStarted; }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.timer);
    row.arrange();
    Control<rt::Timer>(window, row.timer)->SetMode(rt::Timer::kModeSingle);
    rt::testing::Advance(row.period - 1);
    EXPECT_FALSE(row.fired());
    rt::testing::Advance(1);
    EXPECT_TRUE(row.fired());
  }
}

// The handle canvas is bound: a press on it pulls.
TEST_F(Window1Layout, APressOnTheHandleReachesItsHandler) {
  rt::Ref<Window1> window = Window1::Instance();
  QTest::mouseClick(window->Canvas10()->widget(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 40));
  EXPECT_TRUE(Module1::Pull);
  EXPECT_EQ(window->Timer5()->Mode(), rt::Timer::kModeSingle);
}

}  // namespace
