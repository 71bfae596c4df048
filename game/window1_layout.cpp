// The game window's layout: the window's own properties and the creation of
// its 34 controls, one after another, each with its property list and, last,
// its event binding. Places are window coordinates, also inside a parent.
#include <cstdint>
#include <string>

#include "app/menubar1.h"
#include "game/window1.h"

namespace {

constexpr rt::Color kWhite = rt::RGB(0xFFFFFF);
constexpr rt::Color kBlack = rt::RGB(0x000000);
// The band under the middle row is near black, not black.
constexpr rt::Color kNearBlack = rt::RGB(0x010101);
constexpr rt::Color kJackpotBlue = rt::RGB(0x3B50FF);

constexpr int32_t kCentred = 1;
constexpr int32_t kRight = 2;

struct Place {
  int32_t left, top, width, height;
};

// The entries every visual control's list opens with.
void Opening(rt::PropertyList& list, const std::string& name, const Place& at) {
  list.Text("Name", name)
      .Int("Index", rt::kNoIndex)
      .Int("Left", at.left)
      .Int("Top", at.top)
      .Int("Width", at.width)
      .Int("Height", at.height)
      .Bool("LockLeft", false)
      .Bool("LockTop", false)
      .Bool("LockRight", false)
      .Bool("LockBottom", false);
}

// The control of that name, fetched back and checked against class T.
template <class T>
rt::Ref<T> Fetch(rt::Window& window, const std::string& name) {
  return rt::RuntimeCheckCast<T>(window.ControlByName(name));
}

// Creates a control of class T, runs its constructor and registers it.
template <class T>
void Create(rt::Window& window, const std::string& name) {
  rt::Ref<T> control = window.New<T>();
  control->Constructor();
  window.AddControl(name, control);
}

// A text-carrying control gets its size and unit before its list.
template <class T>
void SizeText(rt::Window& window, const std::string& name, float size) {
  if (size != 0) Fetch<T>(window, name)->SetTextSize(size);
  Fetch<T>(window, name)->SetTextUnit(0);
}

template <class T>
void Apply(rt::Window& window, const std::string& name, const rt::PropertyList& list) {
  rt::SetProperties(Fetch<T>(window, name), list);
}

struct RectangleRow {
  const char* name;
  Place at;
  int32_t tabIndex;
  rt::Color fill = kWhite;
  int32_t borderWidth = 1;
  const char* parent = "";
};

void MakeRectangle(rt::Window& window, const RectangleRow& row) {
  Create<rt::Rectangle>(window, row.name);
  rt::PropertyList list;
  Opening(list, row.name, row.at);
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
  Apply<rt::Rectangle>(window, row.name, list);
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
  Create<rt::Canvas>(window, row.name);
  rt::PropertyList list;
  Opening(list, row.name, row.at);
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
  Apply<rt::Canvas>(window, row.name, list);
}

void MakeGroupBox(rt::Window& window, const char* name, const Place& at, int32_t tabIndex,
                  float textSize, const char* parent) {
  Create<rt::GroupBox>(window, name);
  SizeText<rt::GroupBox>(window, name, textSize);
  rt::PropertyList list;
  Opening(list, name, at);
  list.Int("TabPanelIndex", 0)
      .Int("TabIndex", tabIndex)
      .Bool("TabStop", true)
      .Text("Caption", "")
      .Bool("Enabled", true)
      .Bool("Visible", true)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Text("TextFont", "System")
      .Bool("Bold", false)
      .Bool("Italic", false)
      .Bool("Underline", false)
      .Text("InitialParent", parent);
  Apply<rt::GroupBox>(window, name, list);
}

struct LabelRow {
  const char* name;
  Place at;
  int32_t tabIndex;
  std::string text;
  float textSize;
  bool bold;
  int32_t align;
  bool multiline = false;
  const char* parent = "";
  const char* font = "System";
  rt::Color color = kBlack;
  bool visible = true;
};

void MakeLabel(rt::Window& window, const LabelRow& row) {
  Create<rt::Label>(window, row.name);
  SizeText<rt::Label>(window, row.name, row.textSize);
  rt::PropertyList list;
  Opening(list, row.name, row.at);
  list.Int("TabPanelIndex", 0)
      .Int("TabIndex", row.tabIndex)
      .Text("Text", row.text)
      .Int("TextAlign", row.align)
      .Colour("TextColor", row.color)
      .Bool("Multiline", row.multiline)
      .Bool("Enabled", true)
      .Bool("Visible", row.visible)
      .Bool("Selectable", false)
      .Bool("Transparent", false)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Text("TextFont", row.font)
      .Bool("Bold", row.bold)
      .Bool("Italic", false)
      .Bool("Underline", false)
      .Text("DataSource", "")
      .Text("DataField", "")
      .Text("InitialParent", row.parent);
  Apply<rt::Label>(window, row.name, list);
}

void MakeRadioButton(rt::Window& window, const char* name, const Place& at, int32_t tabIndex,
                     const char* caption, bool value) {
  Create<rt::RadioButton>(window, name);
  SizeText<rt::RadioButton>(window, name, 12);
  rt::PropertyList list;
  Opening(list, name, at);
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
      .Bool("Underline", false)
      .Bool("Value", value)
      .Text("InitialParent", "GroupBox1");
  Apply<rt::RadioButton>(window, name, list);
}

// A timer of the window's own class T; created off, with its period. Its
// list names it not: the registration does.
template <class T>
void MakeTimer(rt::Window& window, const char* name, int32_t period) {
  Create<T>(window, name);
  Apply<T>(window, name, rt::PropertyList().Int("Mode", rt::Timer::kModeOff).Int("Period", period));
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
  rt::SetProperties(rt::SelfRef(this), rt::PropertyList()
                                           .Int("Placement", 0)
                                           .Int("Width", 453)
                                           .Int("Height", 567)
                                           .Int("MinWidth", 64)
                                           .Int("MinHeight", 64)
                                           .Int("MaxWidth", 32000)
                                           .Int("MaxHeight", 32000)
                                           .Int("Frame", 0)
                                           .Bool("Composite", false)
                                           .Bool("HasBackColor", true)
                                           .Colour("BackColor", kWhite)
                                           .Text("Title", "Jolvane")
                                           .Bool("Visible", true)
                                           .Bool("FullScreen", false)
                                           .Bool("MenuBarVisible", true)
                                           .Bool("CloseButton", true)
                                           .Bool("Resizeable", false)
                                           .Bool("LiveResize", false)
                                           .Bool("MaximizeButton", false)
                                           .Bool("MinimizeButton", true)
                                           .Int("MacProcID", 0));
}

void Window1::CreateControls() {
  CreateControls0();
  CreateControls1();
}

void Window1::CreateControls0() {
  rt::Window& w = *this;
  const rt::Ref<Window1> self = rt::SelfRef(this);

  MakeRectangle(w, {"Rectangle1", {68, 100, 283, 344}, 0, kWhite, 5});
  MakeRectangle(w, {"Rectangle2", {86, 207, 245, 74}, 0, kNearBlack, 1, "Rectangle1"});
  MakeCanvas(w, {"Canvas2", {92, 212, 70, 63}, 0, "Rectangle2", false, true});
  MakeCanvas(w, {"Canvas5", {174, 212, 70, 63}, 1, "Rectangle2"});
  MakeCanvas(w, {"Canvas8", {255, 212, 70, 63}, 2, "Rectangle2"});
  MakeGroupBox(w, "GroupBox1", {115, 355, 184, 69}, 1, 12, "Rectangle1");
  MakeLabel(w, {.name = "StaticText1",
                .at = {138, 398, 143, 20},
                .tabIndex = 0,
                .text = "Wager",
                .textSize = 12,
                .bold = true,
                .align = kCentred,
                .parent = "GroupBox1"});

  MakeRadioButton(w, "RadioButton1", {124, 366, 47, 20}, 1, "1", true);
  rt::RuntimeAddEventHandler(Fetch<rt::RadioButton>(w, "RadioButton1")->Action,
                             rt::RuntimeCreateDelegate(&Window1::RadioButton1_Action, self));
  MakeRadioButton(w, "RadioButton2", {182, 366, 47, 20}, 2, "5", false);
  rt::RuntimeAddEventHandler(Fetch<rt::RadioButton>(w, "RadioButton2")->Action,
                             rt::RuntimeCreateDelegate(&Window1::RadioButton2_Action, self));
  MakeRadioButton(w, "RadioButton3", {240, 366, 47, 20}, 3, "10", false);
  rt::RuntimeAddEventHandler(Fetch<rt::RadioButton>(w, "RadioButton3")->Action,
                             rt::RuntimeCreateDelegate(&Window1::RadioButton3_Action, self));

  MakeLabel(w, {.name = "StaticText2",
                .at = {225, 112, 67, 20},
                .tabIndex = 2,
                .text = "20",
                .textSize = 16,
                .bold = true,
                .align = kCentred,
                .parent = "Rectangle1"});
  MakeLabel(w, {.name = "StaticText3",
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

  // The handle, a child of the window just right of the face.
  MakeCanvas(w, {"Canvas10", {351, 117, 43, 150}, 0, "", true, false});
  rt::RuntimeAddEventHandler(Fetch<rt::Canvas>(w, "Canvas10")->MouseDown,
                             rt::RuntimeCreateDelegate(&Window1::Canvas10_MouseDown, self));

  MakeTimer<Window1_Timer1>(w, "Timer1", 1500);
  rt::RuntimeAddEventHandler(Fetch<Window1_Timer1>(w, "Timer1")->Action,
                             rt::RuntimeCreateDelegate(&Window1::Timer1_Action, self));
  MakeTimer<Window1_Timer2>(w, "Timer2", 2500);
  rt::RuntimeAddEventHandler(Fetch<Window1_Timer2>(w, "Timer2")->Action,
                             rt::RuntimeCreateDelegate(&Window1::Timer2_Action, self));
  MakeTimer<Window1_Timer3>(w, "Timer3", 3500);
  rt::RuntimeAddEventHandler(Fetch<Window1_Timer3>(w, "Timer3")->Action,
                             rt::RuntimeCreateDelegate(&Window1::Timer3_Action, self));

  MakeLabel(w, {.name = "StaticText4",
                .at = {57, 6, 310, 38},
                .tabIndex = 1,
                .text = kInstructions,
                .textSize = 14,
                .bold = false,
                .align = kCentred,
                .multiline = true});
  MakeLabel(w, {.name = "StaticText5",
                .at = {50, 456, 326, 91},
                .tabIndex = 2,
                .text = kPayRules,
                .textSize = 14,
                .bold = false,
                .align = kCentred,
                .multiline = true});
}

void Window1::CreateControls1() {
  rt::Window& w = *this;
  const rt::Ref<Window1> self = rt::SelfRef(this);

  // Hidden until three sevens come up.
  MakeLabel(w, {.name = "StaticText6",
                .at = {43, 50, 333, 43},
                .tabIndex = 3,
                .text = "JACKPOT",
                .textSize = 36,
                .bold = true,
                .align = kCentred,
                .font = "Helvetica Neue",
                .color = kJackpotBlue,
                .visible = false});

  MakeTimer<Window1_Timer4>(w, "Timer4", 8000);
  rt::RuntimeAddEventHandler(Fetch<Window1_Timer4>(w, "Timer4")->Action,
                             rt::RuntimeCreateDelegate(&Window1::Timer4_Action, self));
  MakeTimer<Window1_Timer5>(w, "Timer5", 300);
  rt::RuntimeAddEventHandler(Fetch<Window1_Timer5>(w, "Timer5")->Action,
                             rt::RuntimeCreateDelegate(&Window1::Timer5_Action, self));
  MakeTimer<Window1_Timer6>(w, "Timer6", 100);
  rt::RuntimeAddEventHandler(Fetch<Window1_Timer6>(w, "Timer6")->Action,
                             rt::RuntimeCreateDelegate(&Window1::Timer6_Action, self));
}
