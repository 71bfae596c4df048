// Controls: geometry in window coordinates under InitialParent, radio
// groups, canvases, rectangles, labels as plain text, and the other kinds.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <ostream>
#include <string>
#include <vector>

#include "rt/rt.h"
#include "rt/testing/driver.h"

namespace {

using rt::PropertyList;
using rt::Ref;

std::vector<std::string> g_log;

class HostWindow : public rt::Window {
 public:
  static constexpr const char* kName = "HostWindow.HostWindow";
  HostWindow() : rt::Window(kName) {}

 protected:
  void Layout() override {
    rt::SetProperties(rt::SelfRef(this),
                      PropertyList().Int("Width", 453).Int("Height", 567).Bool("Visible", true));
  }
};

PropertyList Place(int left, int top, int width, int height, const std::string& parent = "") {
  PropertyList list;
  list.Int("Left", left).Int("Top", top).Int("Width", width).Int("Height", height);
  if (!parent.empty()) list.Text("InitialParent", parent);
  return list;
}

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::testing::Reset();
    g_log.clear();
    window = rt::ImplicitInstance<HostWindow>(HostWindow::kName);
  }
  void TearDown() override {
    window = nullptr;
    rt::testing::ResetRuntime();
    rt::testing::Reset();
  }

  // One control by the program's steps: new, constructor, registration, list.
  template <class T>
  Ref<T> Make(const std::string& name, const PropertyList& list) {
    Ref<T> control = window->New<T>();
    control->Constructor();
    window->AddControl(name, control);
    rt::SetProperties(window->ControlByName(name), list);
    return control;
  }

  QPoint InWindow(const Ref<rt::RectControl>& c) const {
    return c->widget()->mapTo(window->contentWidget(), QPoint(0, 0));
  }

  Ref<HostWindow> window;
};

TEST_F(ControlsTest, ChildGeometryIsInWindowCoordinates) {
  auto face = Make<rt::Rectangle>("Rectangle1", Place(68, 100, 283, 344));
  auto band = Make<rt::Rectangle>("Rectangle2", Place(86, 207, 245, 74, "Rectangle1"));
  auto cell = Make<rt::Canvas>("Canvas2", Place(92, 212, 70, 63, "Rectangle2"));
  auto group = Make<rt::GroupBox>("GroupBox1", Place(115, 355, 184, 69, "Rectangle1"));
  auto radio = Make<rt::RadioButton>("RadioButton1", Place(124, 366, 47, 20, "GroupBox1"));
  struct Case {
    Ref<rt::RectControl> control;
    Ref<rt::RectControl> parent;
    QPoint at, inParent;
  };
  const Case cases[] = {
      {face, nullptr, {68, 100}, {68, 100}}, {band, face, {86, 207}, {18, 107}},
      {cell, band, {92, 212}, {6, 5}},  // not (178, 419)
      {group, face, {115, 355}, {47, 255}},  {radio, group, {124, 366}, {9, 11}},
  };
  for (const Case& c : cases) {
    const std::string name = c.control->Name();
    EXPECT_EQ(QPoint(c.control->Left(), c.control->Top()), c.at) << name;
    EXPECT_TRUE(c.control->Parent() == c.parent) << name;
    EXPECT_EQ(c.control->widget()->pos(), c.inParent) << name;
    EXPECT_EQ(InWindow(c.control), c.at) << name;
    EXPECT_TRUE(c.control->widget()->isVisible()) << name;
  }
  EXPECT_EQ(cell->widget()->size(), QSize(70, 63));

  // Moving a parent carries its children; their window coordinates follow.
  band->SetLeft(96);
  EXPECT_EQ(cell->Left(), 102);
  EXPECT_EQ(InWindow(cell), QPoint(102, 212));
}

TEST_F(ControlsTest, LaterControlLiesAbove) {
  Make<rt::Rectangle>("Rectangle1", Place(68, 100, 283, 344));
  auto figure = Make<rt::Label>("StaticText2", Place(225, 112, 67, 20, "Rectangle1"));
  auto caption = Make<rt::Label>("StaticText3", Place(128, 112, 100, 20, "Rectangle1"));
  QWidget* face = figure->widget()->parentWidget();
  EXPECT_EQ(face->childAt(QPoint(226 - 68, 120 - 100)), caption->widget());
}

TEST_F(ControlsTest, InitialParentMustNameAnEarlierVisualControl) {
  Make<rt::Rectangle>("Rectangle1", Place(0, 0, 50, 50));
  struct Case {
    const char* name;
    const char* parent;
  };
  for (const Case& c : {Case{"CanvasA", "Nothing"}, Case{"CanvasB", "CanvasB"}}) {
    try {
      Make<rt::Canvas>(c.name, Place(1, 1, 5, 5, c.parent));
      ADD_FAILURE() << c.parent << " accepted";
    } catch (const rt::PropertyListError& e) {
      EXPECT_NE(std::string(e.what()).find(c.parent), std::string::npos) << e.what();
    }
  }
}

class RadioTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    wager.clear();
    other.clear();
    Make<rt::GroupBox>("GroupBox1", Place(115, 355, 184, 69));
    for (int i = 1; i <= 3; ++i) {
      PropertyList list = Place(124 + 58 * (i - 1), 366, 47, 20, "GroupBox1");
      list.Text("Caption", std::to_string(i)).Bool("Value", i == 1);
      wager.push_back(Make<rt::RadioButton>("RadioButton" + std::to_string(i), list));
    }
    for (int i = 1; i <= 2; ++i) {
      PropertyList list = Place(10 + 60 * (i - 1), 10, 50, 20);
      list.Bool("Value", i == 1);
      other.push_back(Make<rt::RadioButton>("Other" + std::to_string(i), list));
    }
    // Bound after the lists, as the program binds them.
    for (const auto& r : wager)
      r->Action.Bind([](Ref<rt::RadioButton> b) { g_log.push_back(b->Name()); });
  }
  std::vector<bool> Values() const {
    std::vector<bool> v;
    for (const auto& r : wager) {
      v.push_back(r->Value());
      EXPECT_EQ(static_cast<QRadioButton*>(r->widget())->isChecked(), r->Value()) << r->Name();
    }
    return v;
  }
  std::vector<Ref<rt::RadioButton>> wager, other;
};

TEST_F(RadioTest, ListSelectionRaisesNoAction) {
  EXPECT_EQ(Values(), (std::vector<bool>{true, false, false}));
  EXPECT_TRUE(other[0]->Value());
  EXPECT_TRUE(g_log.empty());
}

TEST_F(RadioTest, ClickSelectsClearsTheGroupAndRaisesAction) {
  QTest::mouseClick(wager[1]->widget(), Qt::LeftButton);
  EXPECT_EQ(Values(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(g_log, std::vector<std::string>{"RadioButton2"});
  EXPECT_TRUE(other[0]->Value());                         // another parent, another group
  QTest::mouseClick(wager[1]->widget(), Qt::LeftButton);  // a selected button stays selected
  EXPECT_EQ(Values(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(g_log.size(), 2u);
  QTest::mouseClick(other[1]->widget(), Qt::LeftButton);
  EXPECT_FALSE(other[0]->Value());
  EXPECT_EQ(Values(), (std::vector<bool>{false, true, false}));
}

TEST_F(RadioTest, SetValueTrueActsAsAClickOnTheCallersStack) {
  wager[2]->SetValue(true);
  EXPECT_EQ(g_log, std::vector<std::string>{"RadioButton3"});  // ran before SetValue returned
  EXPECT_EQ(Values(), (std::vector<bool>{false, false, true}));
  wager[2]->SetValue(false);  // clears this one only, no Action
  EXPECT_EQ(Values(), (std::vector<bool>{false, false, false}));
  EXPECT_EQ(g_log.size(), 1u);
  // An exception from the handler reaches the caller, as in the program's code.
  wager[0]->Action.Bind([](Ref<rt::RadioButton>) { throw rt::NilObjectException("x"); });
  EXPECT_THROW(wager[0]->SetValue(true), rt::NilObjectException);
}

TEST_F(RadioTest, DisabledButtonIgnoresClicks) {
  wager[2]->SetEnabled(false);
  QTest::mouseClick(wager[2]->widget(), Qt::LeftButton);
  EXPECT_EQ(Values(), (std::vector<bool>{true, false, false}));
  EXPECT_TRUE(g_log.empty());
}

TEST_F(RadioTest, AssistiveTechnologySeesRadioButtonsThatChooseAsAClickDoes) {
  wager[2]->SetEnabled(false);
  for (const auto& r : wager) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(r->widget());
    ASSERT_NE(a, nullptr) << r->Name();
    EXPECT_EQ(a->role(), QAccessible::RadioButton) << r->Name();  // not a check box
    EXPECT_TRUE(a->state().checkable) << r->Name();
    EXPECT_EQ(bool(a->state().checked), r->Value()) << r->Name();
    EXPECT_EQ(a->text(QAccessible::Name), QString::fromStdString(r->Caption())) << r->Name();
    ASSERT_NE(a->actionInterface(), nullptr) << r->Name();
    const QStringList actions = a->actionInterface()->actionNames();
    const bool enabled = r->Enabled();
    EXPECT_EQ(actions.contains(QAccessibleActionInterface::toggleAction()), enabled) << r->Name();
    EXPECT_EQ(actions.contains(QAccessibleActionInterface::pressAction()), enabled) << r->Name();
  }
  // A disabled button is not chosen by an action either.
  QAccessible::queryAccessibleInterface(wager[2]->widget())
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_EQ(Values(), (std::vector<bool>{true, false, false}));
  EXPECT_TRUE(g_log.empty());
}

// Whichever way "3" is chosen, it ends alone selected in its group, its
// Action raised once, the other group untouched.
using Buttons = std::vector<Ref<rt::RadioButton>>;

void Act(const Ref<rt::RadioButton>& r, const QString& action) {
  QAccessible::queryAccessibleInterface(r->widget())->actionInterface()->doAction(action);
}

void Arrow(const Ref<rt::RadioButton>& from, Qt::Key key) {
  from->widget()->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(from->widget(), key);
}

struct ChoiceCase {
  const char* way;
  void (*choose)(const Buttons&);
  bool focusMoves;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) {
  *os << c.way;
}

class RadioChoiceTest : public RadioTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(RadioChoiceTest, EveryWayOfChoosingSelectsOneButtonAndRaisesActionOnce) {
  const ChoiceCase& c = GetParam();
  c.choose(wager);
  EXPECT_EQ(Values(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(g_log, std::vector<std::string>{"RadioButton3"});
  EXPECT_TRUE(other[0]->Value());
  EXPECT_FALSE(other[1]->Value());
  if (c.focusMoves) {
    EXPECT_EQ(window->widget()->focusWidget(), wager[2]->widget());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, RadioChoiceTest,
    ::testing::Values(
        ChoiceCase{"click",
                   [](const Buttons& b) { QTest::mouseClick(b[2]->widget(), Qt::LeftButton); },
                   false},
        ChoiceCase{"right arrow on 2", [](const Buttons& b) { Arrow(b[1], Qt::Key_Right); }, true},
        ChoiceCase{"down arrow on 2", [](const Buttons& b) { Arrow(b[1], Qt::Key_Down); }, true},
        ChoiceCase{"left arrow on 1, round the group",
                   [](const Buttons& b) { Arrow(b[0], Qt::Key_Left); }, true},
        ChoiceCase{"toggle action",
                   [](const Buttons& b) { Act(b[2], QAccessibleActionInterface::toggleAction()); },
                   false},
        ChoiceCase{"press action",
                   [](const Buttons& b) { Act(b[2], QAccessibleActionInterface::pressAction()); },
                   false},
        ChoiceCase{"Qt's toggle()",
                   [](const Buttons& b) { static_cast<QRadioButton*>(b[2]->widget())->toggle(); },
                   false},
        ChoiceCase{"Value = True", [](const Buttons& b) { b[2]->SetValue(true); }, false}));

TEST_F(RadioTest, SpaceOnAFocusedButtonChoosesNothing) {
  wager[2]->widget()->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(wager[2]->widget(), Qt::Key_Space);
  EXPECT_EQ(Values(), (std::vector<bool>{true, false, false}));
  EXPECT_TRUE(g_log.empty());
}

// The lists give Value before InitialParent: a later member of a group
// listed selected takes the selection from the earlier one, and the group
// the button is not in (the window's own buttons) keeps its selection.
TEST_F(RadioTest, ListSelectingALaterMemberLeavesItAloneSelected) {
  PropertyList list;
  list.Int("Left", 124)
      .Int("Top", 390)
      .Int("Width", 47)
      .Int("Height", 20)
      .Text("Caption", "4")
      .Bool("Value", true)
      .Text("InitialParent", "GroupBox1");
  auto later = Make<rt::RadioButton>("RadioButton4", list);
  EXPECT_EQ(Values(), (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(later->Value());
  EXPECT_TRUE(static_cast<QRadioButton*>(later->widget())->isChecked());
  EXPECT_TRUE(other[0]->Value());
  EXPECT_TRUE(static_cast<QRadioButton*>(other[0]->widget())->isChecked());
  EXPECT_TRUE(g_log.empty());
}

// Tab follows TabIndex among the controls of one parent, container by
// container, whatever the order of creation; TabStop False is passed over.
TEST_F(ControlsTest, TabFollowsTabIndexContainerByContainer) {
  const auto make = [this](const std::string& name, int tabIndex, const std::string& parent,
                           bool tabStop = true) {
    PropertyList list = Place(10, 10 + 30 * static_cast<int>(window->Controls().size()), 60, 24);
    list.Text("Caption", name).Int("TabIndex", tabIndex).Bool("TabStop", tabStop);
    if (!parent.empty()) list.Text("InitialParent", parent);
    if (name.rfind("Push", 0) == 0) return Ref<rt::RectControl>(Make<rt::PushButton>(name, list));
    if (name.rfind("Group", 0) == 0) return Ref<rt::RectControl>(Make<rt::GroupBox>(name, list));
    return Ref<rt::RectControl>(Make<rt::RadioButton>(name, list));
  };
  auto pushLast = make("PushLast", 5, "");
  make("Group", 1, "");
  auto radioB = make("RadioB", 2, "Group");
  auto radioA = make("RadioA", 1, "Group");
  make("RadioOff", 0, "Group", false);
  auto pushFirst = make("PushFirst", 0, "");
  const std::vector<QWidget*> expected = {radioA->widget(), radioB->widget(), pushLast->widget(),
                                          pushFirst->widget()};
  pushFirst->widget()->setFocus(Qt::OtherFocusReason);
  std::vector<QWidget*> seen;
  for (size_t i = 0; i < expected.size(); ++i) {
    QTest::keyClick(window->widget()->focusWidget(), Qt::Key_Tab);
    seen.push_back(window->widget()->focusWidget());
  }
  EXPECT_EQ(seen, expected);
}

QPixmap Flat(int w, int h, QColor colour) {
  QPixmap p(w, h);
  p.fill(colour);
  return p;
}

TEST_F(ControlsTest, CanvasKeepsItsBackdropAndPaintsItAtTheCorner) {
  auto canvas = Make<rt::Canvas>("Canvas10", Place(351, 117, 43, 150));
  EXPECT_TRUE(canvas->Backdrop() == nullptr);
  auto picture = rt::RuntimeNewObject<rt::Picture>(Flat(20, 30, QColor(200, 10, 10)));
  canvas->SetBackdrop(picture);
  EXPECT_TRUE(canvas->Backdrop() == picture);
  EXPECT_EQ(canvas->Backdrop().get(), picture.get());
  const QImage shot = canvas->widget()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(0, 0), QColor(200, 10, 10));
  EXPECT_EQ(shot.pixelColor(19, 29), QColor(200, 10, 10));
  EXPECT_NE(shot.pixelColor(30, 100), QColor(200, 10, 10));
  EXPECT_EQ(canvas->widget()->focusPolicy(), Qt::NoFocus);
  canvas->SetBackdrop(nullptr);
  EXPECT_TRUE(canvas->Backdrop() == nullptr);
}

TEST_F(ControlsTest, CanvasMouseDownGivesCanvasCoordinatesThroughTheEventLoop) {
  Make<rt::Rectangle>("Rectangle1", Place(68, 100, 283, 344));
  auto canvas = Make<rt::Canvas>("Canvas2", Place(92, 212, 70, 63, "Rectangle1"));
  std::vector<QPoint> presses;
  bool fail = true;
  canvas->MouseDown.Bind([&](Ref<rt::Canvas> sender, int32_t x, int32_t y) {
    EXPECT_TRUE(sender == canvas);
    presses.emplace_back(x, y);
    if (fail) throw rt::NilObjectException("click sound missing");
    return false;
  });
  QTest::mouseClick(canvas->widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 7));
  fail = false;
  QTest::mouseClick(canvas->widget(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 2));
  EXPECT_EQ(presses, (std::vector<QPoint>{{5, 7}, {60, 2}}));
  EXPECT_EQ(rt::testing::Recorded().eventErrors.size(), 1u);
  EXPECT_EQ(rt::testing::Recorded().msgBoxes.size(), 1u);
}

TEST_F(ControlsTest, RectanglePaintsFillAndTwoBorderColours) {
  PropertyList list = Place(10, 10, 40, 30);
  list.Colour("FillColor", rt::RGB(0x010101))
      .Int("BorderWidth", 5)
      .Colour("TopLeftColor", rt::RGB(0xFF0000))
      .Colour("BottomRightColor", rt::RGB(0x0000FF));
  auto rect = Make<rt::Rectangle>("Rectangle1", list);
  EXPECT_EQ(rect->BorderWidth(), 5);
  const QImage shot = rect->widget()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(0, 15), QColor(255, 0, 0));   // left side
  EXPECT_EQ(shot.pixelColor(20, 4), QColor(255, 0, 0));   // top side
  EXPECT_EQ(shot.pixelColor(39, 15), QColor(0, 0, 255));  // right side
  EXPECT_EQ(shot.pixelColor(20, 25), QColor(0, 0, 255));  // bottom side
  EXPECT_EQ(shot.pixelColor(5, 15), QColor(1, 1, 1));     // just inside the border
  EXPECT_EQ(shot.pixelColor(20, 15), QColor(1, 1, 1));
}

TEST_F(ControlsTest, LabelShowsPlainTextWithCarriageReturnsAsLines) {
  PropertyList list = Place(50, 456, 326, 91);
  list.Text("Text", "Any 7 = 2 x wager.\rTwo 7s = <b>6</b> x wager.")
      .Int("TextAlign", 1)
      .Colour("TextColor", rt::RGB(0x3B50FF))
      .Bool("Multiline", true);
  auto label = Make<rt::Label>("StaticText5", list);
  auto* q = static_cast<QLabel*>(label->widget());
  EXPECT_EQ(q->textFormat(), Qt::PlainText);
  EXPECT_EQ(q->text(), QString("Any 7 = 2 x wager.\nTwo 7s = <b>6</b> x wager."));
  EXPECT_EQ(label->Text(), "Any 7 = 2 x wager.\rTwo 7s = <b>6</b> x wager.");
  EXPECT_TRUE(q->wordWrap());
  EXPECT_EQ(q->palette().color(QPalette::WindowText), QColor(59, 80, 255));
  const std::pair<int, Qt::Alignment> aligns[] = {
      {0, Qt::AlignLeft}, {1, Qt::AlignHCenter}, {2, Qt::AlignRight}};
  for (const auto& [align, qt] : aligns) {
    label->SetTextAlign(align);
    EXPECT_EQ(q->alignment() & Qt::AlignHorizontal_Mask, qt) << align;
  }
  label->SetMultiline(false);
  EXPECT_FALSE(q->wordWrap());
}

TEST_F(ControlsTest, TextFontsSizesAndStyles) {
  const QString standard = QApplication::font().family();
  auto system = window->New<rt::Label>();
  system->Constructor();
  window->AddControl("StaticText2", system);
  system->SetTextSize(16);
  system->SetTextUnit(0);
  rt::SetProperties(system, PropertyList().Text("TextFont", "System").Bool("Bold", true));
  QFont f = system->widget()->font();
  EXPECT_EQ(f.family(), standard);
  EXPECT_EQ(f.pixelSize(), 16);
  EXPECT_TRUE(f.bold());
  EXPECT_FALSE(f.italic());

  auto banner = Make<rt::Label>("StaticText6", PropertyList()
                                                   .Text("TextFont", "Helvetica Neue")
                                                   .Bool("Italic", true)
                                                   .Bool("Underline", true));
  banner->SetTextSize(36);
  f = banner->widget()->font();
  EXPECT_FALSE(QFontInfo(f).family().isEmpty());  // something stands in where it is missing
  EXPECT_EQ(f.pixelSize(), 36);
  EXPECT_TRUE(f.italic());
  EXPECT_TRUE(f.underline());

  // Size 0 is the standard size in pixels, also inside a group box of
  // another size.
  auto group = window->New<rt::GroupBox>();
  group->Constructor();
  window->AddControl("GroupBox1", group);
  group->SetTextSize(30);
  auto plain = Make<rt::Label>("StaticText1", Place(2, 2, 50, 20, "GroupBox1"));
  EXPECT_EQ(plain->widget()->font().pixelSize(), 11);
  EXPECT_EQ(plain->widget()->font().family(), standard);
  EXPECT_EQ(group->widget()->font().pixelSize(), 30);
}

// The family a font is drawn in, without fontconfig's foundry suffix.
QString DrawnFamily(const QFont& font) {
  QString family = QFontInfo(font).family();
  const qsizetype bracket = family.indexOf(QLatin1String(" ["));
  return bracket < 0 ? family : family.left(bracket);
}

// A named family the machine lacks is drawn in a face of the same widths
// where one is installed (the layouts' boxes are measured in them), never in
// a wider look-alike; an unknown family falls back to the standard face.
TEST_F(ControlsTest, MissingFamiliesAreReplacedByFacesOfTheSameWidths) {
  struct Case {
    const char* family;
    std::vector<QString> sameWidths;  // empty: the standard face
  };
  const std::vector<QString> helvetica = {"Helvetica",     "TeX Gyre Heros",  "Nimbus Sans",
                                          "Nimbus Sans L", "Liberation Sans", "Arimo",
                                          "Arial"};
  const Case cases[] = {
      {"Arial", {"Arial", "Liberation Sans", "Arimo", "Nimbus Sans", "Nimbus Sans L"}},
      {"Helvetica", helvetica},
      {"Helvetica Neue",
       [&] {
         std::vector<QString> faces{"Helvetica Neue"};
         faces.insert(faces.end(), helvetica.begin(), helvetica.end());
         return faces;
       }()},
      {"No Such Face Anywhere", {}},
  };
  QFont standardFont = QApplication::font();
  standardFont.setPixelSize(12);
  const QString standard = DrawnFamily(standardFont);
  int n = 0;
  for (const Case& c : cases) {
    auto label = Make<rt::Label>("Label" + std::to_string(n++),
                                 PropertyList().Text("TextFont", c.family).Bool("Bold", true));
    label->SetTextSize(12);
    const QString drawn = DrawnFamily(label->widget()->font());
    bool installed = false;
    for (const QString& face : c.sameWidths)
      installed = installed || QFontDatabase::hasFamily(face);
    if (!installed) {
      EXPECT_EQ(drawn, standard) << c.family;
      continue;
    }
    // The first installed one, in order.
    QString first;
    for (const QString& face : c.sameWidths)
      if (first.isEmpty() && QFontDatabase::hasFamily(face)) first = face;
    EXPECT_EQ(drawn, first) << c.family;
  }
}

TEST_F(ControlsTest, GroupBoxCaptionAndProgressBarBusy) {
  auto group = Make<rt::GroupBox>("GroupBox1", Place(1, 1, 100, 60));
  auto* q = static_cast<QGroupBox*>(group->widget());
  EXPECT_TRUE(q->title().isEmpty());
  group->SetCaption("Wager");
  EXPECT_EQ(q->title(), QString("Wager"));

  PropertyList list = Place(20, 46, 260, 12);
  list.Int("Value", 30).Int("Maximum", 100);
  auto bar = Make<rt::ProgressBar>("ProgressBar1", list);
  auto* qb = static_cast<QProgressBar*>(bar->widget());
  EXPECT_EQ(qb->maximum(), 100);
  EXPECT_EQ(qb->value(), 30);
  bar->SetMaximum(0);
  EXPECT_EQ(qb->minimum(), 0);
  EXPECT_EQ(qb->maximum(), 0);
}

// The game's wager group stands on the white face: the box and the label
// inside it show the face's colour, not a fill of the style's own.
TEST_F(ControlsTest, GroupBoxAndItsLabelsShowWhatLiesBehindThem) {
  const std::string faceColour = "#ffffe0";  // a colour no style fills with
  PropertyList list = Place(68, 100, 283, 344);
  list.Colour("FillColor", rt::RGB(0xFFFFE0)).Int("BorderWidth", 5);
  Make<rt::Rectangle>("Rectangle1", list);
  Make<rt::GroupBox>("GroupBox1", Place(115, 355, 184, 69, "Rectangle1"));
  list = Place(138, 398, 143, 20, "GroupBox1");
  list.Text("Text", "Wager").Int("TextAlign", 1).Bool("Bold", true);
  auto label = Make<rt::Label>("StaticText1", list);
  label->SetTextSize(12);

  const QImage shot = window->contentWidget()->grab().toImage();
  const auto at = [&](int x, int y) { return shot.pixelColor(x, y).name().toStdString(); };
  EXPECT_EQ(at(150, 380), faceColour) << "inside the box";
  EXPECT_EQ(at(140, 410), faceColour) << "inside the label, beside its text";
  EXPECT_EQ(at(290, 415), faceColour);
  EXPECT_NE(at(116, 390), faceColour) << "the frame is still drawn";
}

TEST_F(ControlsTest, VisibleEnabledAndPushButtons) {
  PropertyList list = Place(20, 61, 157, 21);
  list.Text("Caption", "Check for Updates").Bool("Default", true).Bool("Visible", false);
  auto button = Make<rt::PushButton>("PushButton1", list);
  EXPECT_FALSE(button->widget()->isVisible());
  button->SetVisible(true);
  EXPECT_TRUE(button->widget()->isVisible());
  EXPECT_TRUE(button->Default());
  int actions = 0;
  button->Action.Bind([&](Ref<rt::PushButton>) { ++actions; });
  QTest::mouseClick(button->widget(), Qt::LeftButton);
  EXPECT_EQ(actions, 1);
  button->SetEnabled(false);
  EXPECT_FALSE(button->widget()->isEnabled());
  QTest::mouseClick(button->widget(), Qt::LeftButton);
  button->Push();
  EXPECT_EQ(actions, 1);
}

// Label Open events come after the window's own Open, in creation order.
class OpenOrderWindow : public rt::Window {
 public:
  OpenOrderWindow() : rt::Window("OpenOrderWindow.OpenOrderWindow") {}
  void Label_Open(Ref<rt::Label> label) {
    g_log.push_back(label->Name() + " open");
    label->SetText("filled");
  }

 protected:
  void CreateControls() override {
    for (const char* name : {"StaticText1", "StaticText2"}) {
      auto label = New<rt::Label>();
      label->Constructor();
      AddControl(name, label);
      rt::RuntimeAddEventHandler(
          label->Open, rt::RuntimeCreateDelegate(&OpenOrderWindow::Label_Open, rt::SelfRef(this)));
    }
  }
  void Event_Open() override {
    g_log.push_back("window open, controls: " + std::to_string(Controls().size()));
  }
};

TEST_F(ControlsTest, LabelOpenFollowsTheWindowsOpen) {
  auto w = rt::ImplicitInstance<OpenOrderWindow>("OpenOrderWindow.OpenOrderWindow");
  EXPECT_EQ(g_log, (std::vector<std::string>{"window open, controls: 2", "StaticText1 open",
                                             "StaticText2 open"}));
  EXPECT_EQ(static_cast<QLabel*>(
                rt::RuntimeCheckCast<rt::Label>(w->ControlByName("StaticText2"))->widget())
                ->text(),
            QString("filled"));
}

}  // namespace
