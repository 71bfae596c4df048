// The program on a desktop: a white face stays readable under a dark colour
// scheme, assistive technology sees windows and named pictures, the handle
// can be pressed without a mouse, and every window carries the icon and the
// name of the desktop entry.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "rt/rt.h"
#include "rt/testing/driver.h"

// Names and titles in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace {

using rt::PropertyList;
using rt::Ref;

// A window drawn on white, as the program's are, with one control of each
// kind that shows text or a picture.
class FaceWindow : public rt::Window {
 public:
  static constexpr const char* kName = "FaceWindow.FaceWindow";
  FaceWindow() : rt::Window(kName) {}
  static Ref<FaceWindow> Instance() { return rt::ImplicitInstance<FaceWindow>(kName); }
  static inline std::vector<std::pair<int32_t, int32_t>> presses;

  QWidget* Widget(const std::string& name) const {
    return rt::RuntimeCheckCast<rt::RectControl>(ControlByName(name))->widget();
  }
  Ref<rt::Canvas> Canvas(const std::string& name) const {
    return rt::RuntimeCheckCast<rt::Canvas>(ControlByName(name));
  }
  bool Handle_MouseDown(Ref<rt::Canvas>, int32_t x, int32_t y) {
    presses.emplace_back(x, y);
    return true;
  }

 protected:
  void Layout() override {
    rt::SetProperties(rt::SelfRef(this), PropertyList()
                                             .Int("Width", 300)
                                             .Int("Height", 200)
                                             .Bool("HasBackColor", true)
                                             .Colour("BackColor", rt::RGB(0xFFFFFF))
                                             .Text("Title", "Face")
                                             .Bool("Visible", true));
  }
  void CreateControls() override {
    Add<rt::GroupBox>("GroupBox1", {10, 10, 150, 60}, "Wager");
    Add<rt::RadioButton>("RadioButton1", {20, 30, 50, 20}, "10");
    Add<rt::PushButton>("PushButton1", {170, 10, 100, 24}, "Check Now");
    Add<rt::Canvas>("Cell", {10, 100, 20, 20}, "");
    Add<rt::Canvas>("Handle", {40, 100, 20, 40}, "");
    rt::RuntimeAddEventHandler(
        Canvas("Handle")->MouseDown,
        rt::RuntimeCreateDelegate(&FaceWindow::Handle_MouseDown, rt::SelfRef(this)));
  }

 private:
  struct Box {
    int32_t left, top, width, height;
  };
  template <class T>
  void Add(const std::string& name, Box at, const std::string& caption) {
    Ref<T> control = New<T>();
    control->Constructor();
    AddControl(name, control);
    PropertyList list;
    list.Int("Left", at.left).Int("Top", at.top).Int("Width", at.width).Int("Height", at.height);
    if (!caption.empty()) list.Text("Caption", caption);
    rt::SetProperties(control, list);
  }
};

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::testing::Reset();
    FaceWindow::presses.clear();
    desktop_ = QApplication::palette();
  }
  void TearDown() override {
    QApplication::setPalette(desktop_);
    rt::testing::ResetRuntime();
    rt::testing::Reset();
  }
  QPalette desktop_;
};

// A dark scheme as qt6ct's "darker" or Adwaita:dark give: light texts on
// dark windows, buttons and fields.
QPalette DarkScheme() {
  QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2d, 0x2d, 0x2d));
  EXPECT_GT(dark.color(QPalette::WindowText).lightness(), 200);
  EXPECT_LT(dark.color(QPalette::Base).lightness(), 60);
  return dark;
}

struct Shares {
  double dark = 0, light = 0;  // of the pixels in the rectangle
};

Shares SharesIn(const QImage& image, const QRect& rect) {
  Shares s;
  int all = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const int l = image.pixelColor(x, y).lightness();
      ++all;
      if (l < 100) s.dark += 1;
      if (l > 200) s.light += 1;
    }
  }
  if (all) {
    s.dark /= all;
    s.light /= all;
  }
  return s;
}

QRect IndicatorOf(QWidget* w) {
  QStyleOptionButton option;
  option.initFrom(w);
  return w->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, w);
}

// Dark captions on a light ground in every text-bearing control on the white
// face, with the scheme dark before the window opens or switched while it
// is open; the empty radio indicator stays light, not a dark disc.
TEST_F(DesktopTest, ControlsOnTheWhiteFaceStayDarkOnLightUnderADarkScheme) {
  for (const bool switchedWhileOpen : {false, true}) {
    SCOPED_TRACE(switchedWhileOpen ? "switched while open" : "dark from the start");
    if (!switchedWhileOpen) QApplication::setPalette(DarkScheme());
    Ref<FaceWindow> window = FaceWindow::Instance();
    if (switchedWhileOpen) QApplication::setPalette(DarkScheme());
    const struct {
      const char* control;
      double minDark;  // the caption's share of the control's area
    } rows[] = {{"RadioButton1", 0.02}, {"PushButton1", 0.02}, {"GroupBox1", 0.005}};
    for (const auto& row : rows) {
      SCOPED_TRACE(row.control);
      QWidget* w = window->Widget(row.control);
      const QImage image = w->grab().toImage();
      QRect area = image.rect();
      if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        const QRect indicator = IndicatorOf(radio);
        EXPECT_FALSE(radio->isChecked());
        // The inside of the empty circle.
        EXPECT_GT(SharesIn(image, QRect(indicator.center() - QPoint(1, 1), QSize(3, 3))).light,
                  0.99);
        area.setLeft(indicator.right() + 2);  // the caption
      }
      const Shares s = SharesIn(image, area);
      EXPECT_GT(s.dark, row.minDark);  // the caption is drawn dark...
      EXPECT_GT(s.light, 0.5);         // ...on a light ground
    }
    window->Close();
    QApplication::setPalette(desktop_);
  }
}

// Under a light scheme nothing changes: the controls take the desktop's own
// palette, the window's colour aside.
TEST_F(DesktopTest, ALightSchemeIsKeptAsItIs) {
  Ref<FaceWindow> window = FaceWindow::Instance();
  for (const char* control : {"RadioButton1", "PushButton1", "GroupBox1"}) {
    SCOPED_TRACE(control);
    const QPalette shown = window->Widget(control)->palette();
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Base, QPalette::Text, QPalette::Button,
          QPalette::ButtonText, QPalette::Highlight, QPalette::Light, QPalette::Dark}) {
      for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Disabled}) {
        EXPECT_EQ(shown.color(group, role), desktop_.color(group, role)) << role << " " << group;
      }
    }
    EXPECT_EQ(shown.color(QPalette::Window), QColor(Qt::white));
  }
}

// A window is a window to assistive technology (a dialog while modal), named
// by its title; not the "filler" of a plain widget.
TEST_F(DesktopTest, WindowsAreAnnouncedAsWindowsWithTheirTitles) {
  Ref<FaceWindow> window = FaceWindow::Instance();
  QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window->widget());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->role(), QAccessible::Window);
  EXPECT_EQ(frame->text(QAccessible::Name), QString("Face"));
  window->SetTitle("Renamed");
  EXPECT_EQ(frame->text(QAccessible::Name), QString("Renamed"));
  window->widget()->setWindowModality(Qt::ApplicationModal);
  EXPECT_EQ(frame->role(), QAccessible::Dialog);
}

// A canvas is named after the picture it shows, as long as it shows it.
TEST_F(DesktopTest, ACanvasIsNamedAfterItsPicture) {
  Ref<FaceWindow> window = FaceWindow::Instance();
  Ref<rt::Canvas> cell = window->Canvas("Cell");
  QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(cell->widget());
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->role(), QAccessible::Graphic);
  EXPECT_TRUE(shown->actionInterface() == nullptr ||
              shown->actionInterface()->actionNames().isEmpty());
  const struct {
    const char* source;
    const char* name;
  } rows[] = {
      {"/res/7.jpg", "7"},
      {"/res/Star.jpg", "Star"},
      {"/res/Rossette.jpg", "Rossette"},
      {"/res/HandleUp-1.jpg", "Handle Up"},
      {"/res/HandleDown-1.jpg", "Handle Down"},
      {"", ""},  // made in memory: nothing to name it by
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.source);
    cell->SetBackdrop(rt::RuntimeNewObject<rt::Picture>(QPixmap(20, 20), row.source));
    EXPECT_EQ(shown->text(QAccessible::Name), QString(row.name));
  }
  cell->SetBackdrop(rt::RuntimeNewObject<rt::Picture>(QPixmap(20, 20), "/res/Box.jpg"));
  cell->SetBackdrop(nullptr);
  EXPECT_EQ(shown->text(QAccessible::Name), QString());
}

// A canvas that takes presses is a button whose press action is a click in
// its middle; one that is hidden or disabled cannot be pressed.
TEST_F(DesktopTest, ACanvasWithAPressHandlerIsAButtonThatPressesAsAClick) {
  Ref<FaceWindow> window = FaceWindow::Instance();
  Ref<rt::Canvas> handle = window->Canvas("Handle");
  QAccessibleInterface* button = QAccessible::queryAccessibleInterface(handle->widget());
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->role(), QAccessible::Button);
  QAccessibleActionInterface* actions = button->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(FaceWindow::presses, (std::vector<std::pair<int32_t, int32_t>>{{9, 19}}));
  actions->doAction(QAccessibleActionInterface::toggleAction());  // not offered: nothing
  handle->SetEnabled(false);
  actions->doAction(QAccessibleActionInterface::pressAction());
  handle->SetEnabled(true);
  handle->SetVisible(false);
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(FaceWindow::presses.size(), 1u);
}

// Docks show the application's icon on every window and find the desktop
// entry by the application's desktop file name (the Wayland app id).
TEST_F(DesktopTest, EveryWindowCarriesTheIconAndTheDesktopEntrysName) {
  EXPECT_EQ(QGuiApplication::desktopFileName(), QString("example.brenwick.jolvane"));
  Ref<FaceWindow> window = FaceWindow::Instance();
  const QIcon icon = window->widget()->windowIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_GE(icon.availableSizes().size(), 7);  // 16 to 256 pixels, each drawn for itself
  EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
  EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
  EXPECT_FALSE(QApplication::windowIcon().isNull());  // message boxes too
}

}  // namespace
