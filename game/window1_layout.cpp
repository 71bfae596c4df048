// The game window's layout: the window's own properties and the creation of
// its 34 controls, one after another, each with its property list and, last,
// its event binding. Places are window coordinates, also inside a parent.
#include <cstdint>
#include <optional>
#include <string>

#include "app/menubar1.h"
#include "game/window1.h"
#include "layout/control_creation.h"

namespace {

using layout::kBlack;
using layout::kCentred;
using layout::kRight;
using layout::kWhite;
using layout::Place;

// The band under the middle row is near black, not black.
constexpr rt::Color kNearBlack = rt::RGB(0x010101);
constexpr rt::Color kJackpotBlue = rt::RGB(0x3B50FF);

struct RectangleRow {
  const char* name;
  Place at;
  int32_t tabIndex;
  rt::Color fill = kWhite;
  int32_t borderWidth = 1;
  const char* parent = "";
};

void MakeRectangle(rt::Window& window, const RectangleRow& row) {
  layout::Create<rt::Rectangle>(window, row.name);
  rt::PropertyList list;
  layout::AddOpening(list, row.name, row.at);
  list.Int("TabIndex", row.tabIndex)
      .Int("TabPanelIndex", 0)
      .Bool("Visible", true)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Bool("Enabled", true)
      .Colour("FillColor", row.fill)
      .Int("BorderWidth", row.borderWidth)
      .Colour("TopLeftColor", kBlack)
      .Colour("BottomRightColor", kBlack)
      .Text("InitialParent", row.parent);
  layout::Apply<rt::Rectangle>(window, row.name, list);
}

struct CanvasRow {
  const char* name;
  Place at;
  int32_t tabIndex;
  const char* parent;
  bool useFocusRing = false;
  bool acceptFocus = false;
};

void MakeCanvas(rt::Window& window, const CanvasRow& row) {
  layout::Create<rt::Canvas>(window, row.name);
  rt::PropertyList list;
  layout::AddOpening(list, row.name, row.at);
  list.Int("TabPanelIndex", 0)
      .Int("TabIndex", row.tabIndex)
      .Bool("TabStop", true)
      .Bool("Visible", true)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Bool("Enabled", true)
      .Bool("UseFocusRing", row.useFocusRing)
      .Bool("AcceptFocus", row.acceptFocus)
      .Bool("AcceptTabs", false)
      .Bool("DoubleBuffer", false)
      .Bool("EraseBackground", true)
      .Text("InitialParent", row.parent);
  layout::Apply<rt::Canvas>(window, row.name, list);
}

// The group box and the radio buttons in it share one list; only the buttons
// add their Value, just before InitialParent. All are in "System" 12.
template <class T>
void MakeCaptioned(rt::Window& window, const char* name, const Place& at, int32_t tabIndex,
                   const char* caption, std::optional<bool> value, const char* parent) {
  layout::Create<T>(window, name);
  layout::SetTextSizeAndUnit<T>(window, name, 12);
  rt::PropertyList list;
  layout::AddOpening(list, name, at);
  list.Int("TabPanelIndex", 0)
      .Int("TabIndex", tabIndex)
      .Bool("TabStop", true)
      .Text("Caption", caption)
      .Bool("Enabled", true)
      .Bool("Visible", true)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Text("TextFont", "System")
      .Bool("Bold", false)
      .Bool("Italic", false)
      .Bool("Underline", false);
  if (value) list.Bool("Value", *value);
  list.Text("InitialParent", parent);
  layout::Apply<T>(window, name, list);
}

void MakeWagerButton(Window1& window, const char* name, const Place& at, int32_t tabIndex,
                     const char* caption, bool value,
                     void (Window1::*action)(rt::Ref<rt::RadioButton>)) {
  MakeCaptioned<rt::RadioButton>(window, name, at, tabIndex, caption, value, "GroupBox1");
  layout::Bind<rt::RadioButton>(window, name, &rt::RadioButton::Action, action);
}

// A timer of the window's own class T, created off, with its period. A
// timer's list holds no Name: its name comes from its registration with the
// window.
template <class T>
void MakeTimer(Window1& window, const char* name, int32_t period,
               void (Window1::*action)(rt::Ref<rt::Timer>)) {
  layout::Create<T>(window, name);
  layout::Apply<T>(window, name,
                   rt::PropertyList().Int("Mode", rt::Timer::kModeOff).Int("Period", period));
  layout::Bind<T>(window, name, &rt::Timer::Action, action);
}

const char kInstructions[] =
    "To play, set your wager and click on handle or click on the space bar.";
// Five lines, each carriage return starting the next.
const char kPayRules[] =
    "Only the middle icons count.\rOnly 7s give you a return.\rAny 7 = 2 x wager.\r"
    "Two 7s = 6 x wager.\rThree 7s = 70 x wager.";

}  // namespace

void Window1::Layout() {
  // The menu bar first, then the window's own list.
  SetMenuBar(MenuBar1::Instance());
  rt::SetProperties(rt::SelfRef(this),
                    layout::WindowList(
                        {.title = "Jolvane", .width = 453, .height = 567, .minimizeButton = true}));
}

void Window1::CreateControls() {
  CreateControls0();
  CreateControls1();
}

void Window1::CreateControls0() {
  Window1& w = *this;

  MakeRectangle(w, {"Rectangle1", {68, 100, 283, 344}, 0, kWhite, 5});
  MakeRectangle(w, {"Rectangle2", {86, 207, 245, 74}, 0, kNearBlack, 1, "Rectangle1"});
  MakeCanvas(w, {"Canvas2", {92, 212, 70, 63}, 0, "Rectangle2", false, true});
  MakeCanvas(w, {"Canvas5", {174, 212, 70, 63}, 1, "Rectangle2"});
  MakeCanvas(w, {"Canvas8", {255, 212, 70, 63}, 2, "Rectangle2"});
  MakeCaptioned<rt::GroupBox>(w, "GroupBox1", {115, 355, 184, 69}, 1, "", std::nullopt,
                              "Rectangle1");
  layout::MakeLabel(w, {.name = "StaticText1",
                        .at = {138, 398, 143, 20},
                        .tabIndex = 0,
                        .text = "Wager",
                        .textSize = 12,
                        .bold = true,
                        .align = kCentred,
                        .parent = "GroupBox1"});

  MakeWagerButton(w, "RadioButton1", {124, 366, 47, 20}, 1, "1", true,
                  &Window1::RadioButton1_Action);
  MakeWagerButton(w, "RadioButton2", {182, 366, 47, 20}, 2, "5", false,
                  &Window1::RadioButton2_Action);
  MakeWagerButton(w, "RadioButton3", {240, 366, 47, 20}, 3, "10", false,
                  &Window1::RadioButton3_Action);

  layout::MakeLabel(w, {.name = "StaticText2",
                        .at = {225, 112, 67, 20},
                        .tabIndex = 2,
                        .text = "20",
                        .textSize = 16,
                        .bold = true,
                        .align = kCentred,
                        .parent = "Rectangle1"});
  layout::MakeLabel(w, {.name = "StaticText3",
                        .at = {128, 112, 100, 20},
                        .tabIndex = 3,
                        .text = "Bankroll:",
                        .textSize = 16,
                        .bold = true,
                        .align = kRight,
                        .parent = "Rectangle1"});

  // Top row: each cell in its own frame. Bottom row likewise; reel 3's bottom
  // cell and frame stand one pixel right of that column's others.
  MakeRectangle(w, {"Rectangle3", {90, 142, 74, 65}, 4, kWhite, 1, "Rectangle1"});
  MakeCanvas(w, {"Canvas1", {92, 144, 70, 63}, 0, "Rectangle3"});
  MakeRectangle(w, {"Rectangle4", {172, 142, 74, 65}, 5, kWhite, 1, "Rectangle1"});
  MakeCanvas(w, {"Canvas4", {174, 144, 70, 63}, 0, "Rectangle4"});
  MakeRectangle(w, {"Rectangle5", {253, 142, 74, 65}, 6, kWhite, 1, "Rectangle1"});
  MakeCanvas(w, {"Canvas7", {255, 144, 70, 63}, 0, "Rectangle5"});
  MakeRectangle(w, {"Rectangle6", {90, 280, 74, 65}, 7, kWhite, 1, "Rectangle1"});
  MakeCanvas(w, {"Canvas3", {92, 280, 70, 63}, 0, "Rectangle6"});
  MakeRectangle(w, {"Rectangle7", {172, 280, 74, 65}, 8, kWhite, 1, "Rectangle1"});
  MakeCanvas(w, {"Canvas6", {174, 280, 70, 63}, 0, "Rectangle7"});
  MakeRectangle(w, {"Rectangle8", {254, 280, 74, 65}, 9, kWhite, 1, "Rectangle1"});
  MakeCanvas(w, {"Canvas9", {256, 280, 70, 63}, 0, "Rectangle8"});

  // The handle, a child of the window itself, just right of the machine's
  // front (Rectangle1).
  MakeCanvas(w, {"Canvas10", {351, 117, 43, 150}, 0, "", true, false});
  layout::Bind<rt::Canvas>(w, "Canvas10", &rt::Canvas::MouseDown, &Window1::Canvas10_MouseDown);

  MakeTimer<Window1_Timer1>(w, "Timer1", 1500, &Window1::Timer1_Action);
  MakeTimer<Window1_Timer2>(w, "Timer2", 2500, &Window1::Timer2_Action);
  MakeTimer<Window1_Timer3>(w, "Timer3", 3500, &Window1::Timer3_Action);

  layout::MakeLabel(w, {.name = "StaticText4",
                        .at = {57, 6, 310, 38},
                        .tabIndex = 1,
                        .text = kInstructions,
                        .textSize = 14,
                        .bold = false,
                        .align = kCentred,
                        .multiline = true});
  layout::MakeLabel(w, {.name = "StaticText5",
                        .at = {50, 456, 326, 91},
                        .tabIndex = 2,
                        .text = kPayRules,
                        .textSize = 14,
                        .bold = false,
                        .align = kCentred,
                        .multiline = true});
}

void Window1::CreateControls1() {
  Window1& w = *this;

  // Hidden until three sevens come up.
  layout::MakeLabel(w, {.name = "StaticText6",
                        .at = {43, 50, 333, 43},
                        .tabIndex = 3,
                        .text = "JACKPOT",
                        .font = "Helvetica Neue",
                        .textSize = 36,
                        .bold = true,
                        .align = kCentred,
                        .color = kJackpotBlue,
                        .visible = false});

  MakeTimer<Window1_Timer4>(w, "Timer4", 8000, &Window1::Timer4_Action);
  MakeTimer<Window1_Timer5>(w, "Timer5", 300, &Window1::Timer5_Action);
  MakeTimer<Window1_Timer6>(w, "Timer6", 100, &Window1::Timer6_Action);
}
