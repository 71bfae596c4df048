// Windows: the implicit instance during and after construction, closing,
// bindings that outlive their window, the content area and frame, modal
// loops, and the keys the window sees first.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "rt/rt.h"
#include "rt/testing/driver.h"

namespace {

using rt::PropertyList;
using rt::Ref;

std::vector<std::string> g_log;

void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A window built by the program's pattern: a list in Layout, named controls
// made in CreateControls, handlers bound after each control's list.
class CountingWindow : public rt::Window {
 public:
  static constexpr const char* kName = "CountingWindow.CountingWindow";
  CountingWindow() : rt::Window(kName) {}
  static Ref<CountingWindow> Instance() { return rt::ImplicitInstance<CountingWindow>(kName); }

  static inline int layouts = 0, opens = 0, closes = 0;
  static inline Ref<CountingWindow> seenInOpen;
  static inline bool shownDuringOpen = false;
  static inline bool throwInOpen = false;

  Ref<rt::PushButton> Button() const {
    return rt::RuntimeCheckCast<rt::PushButton>(ControlByName("PushButton1"));
  }
  Ref<rt::Label> Text() const {
    return rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText1"));
  }
  int Poke() { return 42; }
  void PushButton1_Action(Ref<rt::PushButton>) {
    g_log.push_back("action");
    Close();
    Text()->SetText("after close");  // the window's objects stay usable
  }

 protected:
  void Layout() override {
    ++layouts;
    rt::SetProperties(rt::SelfRef(this), PropertyList()
                                             .Int("Width", 200)
                                             .Int("Height", 120)
                                             .Text("Title", "Counting")
                                             .Bool("Visible", true));
  }
  void CreateControls() override {
    auto button = New<rt::PushButton>();
    button->Constructor();
    AddControl("PushButton1", button);
    rt::SetProperties(ControlByName("PushButton1"), PropertyList()
                                                        .Int("Left", 10)
                                                        .Int("Top", 10)
                                                        .Int("Width", 80)
                                                        .Int("Height", 24)
                                                        .Text("Caption", "Close"));
    rt::RuntimeAddEventHandler(
        Button()->Action,
        rt::RuntimeCreateDelegate(&CountingWindow::PushButton1_Action, rt::SelfRef(this)));
    auto label = New<rt::Label>();
    label->Constructor();
    AddControl("StaticText1", label);
  }
  void Event_Open() override {
    ++opens;
    seenInOpen = Instance();  // the program's Open reaches its window this way
    shownDuringOpen = widget()->isVisible();
    if (throwInOpen) throw rt::NilObjectException("picture missing");
  }
  void Event_Close() override {
    ++closes;
    g_log.push_back("close event");
  }
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::testing::Reset();
    g_log.clear();
    CountingWindow::layouts = CountingWindow::opens = CountingWindow::closes = 0;
    CountingWindow::seenInOpen = nullptr;
    CountingWindow::throwInOpen = false;
  }
  void TearDown() override {
    CountingWindow::seenInOpen = nullptr;
    rt::testing::ResetRuntime();
    rt::testing::Reset();
  }
};

TEST_F(WindowTest, OpenAskingForItsOwnInstanceGetsTheOneUnderConstruction) {
  Ref<CountingWindow> first = CountingWindow::Instance();
  EXPECT_TRUE(CountingWindow::seenInOpen == first);
  EXPECT_EQ(CountingWindow::layouts, 1);
  EXPECT_EQ(CountingWindow::opens, 1);
  EXPECT_TRUE(CountingWindow::Instance() == first);
  EXPECT_EQ(CountingWindow::opens, 1);
  EXPECT_EQ(rt::LivingWindows().size(), 1u);
  // Shown by its list's Visible, after Open has run.
  EXPECT_FALSE(CountingWindow::shownDuringOpen);
  EXPECT_TRUE(first->widget()->isVisible());
}

TEST_F(WindowTest, ClosedWindowIsNotFoundAndTheNextAccessBuildsANewOne) {
  Ref<CountingWindow> first = CountingWindow::Instance();
  first->Close();
  EXPECT_TRUE(first->IsClosed());
  EXPECT_EQ(CountingWindow::closes, 1);
  EXPECT_TRUE(rt::GetImplicitWindow(CountingWindow::kName) == nullptr);
  EXPECT_TRUE(rt::LivingWindows().empty());
  first->Close();  // twice is once
  EXPECT_EQ(CountingWindow::closes, 1);

  Ref<CountingWindow> second = CountingWindow::Instance();
  EXPECT_FALSE(second == first);
  EXPECT_EQ(CountingWindow::layouts, 2);
  EXPECT_EQ(CountingWindow::opens, 2);
}

TEST_F(WindowTest, CloseBoxClosesAsCloseDoes) {
  Ref<CountingWindow> w = CountingWindow::Instance();
  QPointer<QWidget> frame = w->widget();
  frame->close();
  EXPECT_EQ(CountingWindow::closes, 1);
  EXPECT_TRUE(w->IsClosed());
  EXPECT_TRUE(rt::GetImplicitWindow(CountingWindow::kName) == nullptr);
  EXPECT_FALSE(frame->isVisible());
  FlushDeletes();
  EXPECT_TRUE(frame.isNull());
  EXPECT_EQ(w->widget(), nullptr);
}

TEST_F(WindowTest, BindingOfAGoneWindowRaisesNilObject) {
  Ref<CountingWindow> w = CountingWindow::Instance();
  auto poke = rt::RuntimeCreateDelegate(&CountingWindow::Poke, w);
  EXPECT_EQ(poke(), 42);
  Ref<rt::PushButton> button = w->Button();
  w->Close();
  CountingWindow::seenInOpen = nullptr;
  w = nullptr;  // the registry let go at Close; this was the last reference
  FlushDeletes();
  EXPECT_THROW(poke(), rt::NilObjectException);
  EXPECT_THROW(button->Action.Raise(button), rt::NilObjectException);
  EXPECT_TRUE(button->Window() == nullptr);
  // From the event loop, the failure is reported once and the loop goes on.
  rt::Dispatch([button] { button->Action.Raise(button); });
  EXPECT_EQ(rt::testing::Recorded().eventErrors.size(), 1u);
  EXPECT_EQ(rt::testing::Recorded().msgBoxes.size(), 1u);
  // A control whose widget is gone takes calls without crashing.
  button->SetCaption("x");
  button->SetVisible(false);
  button->Refresh();
}

TEST_F(WindowTest, HandlerMayCloseTheWindowThatRunsIt) {
  Ref<CountingWindow> w = CountingWindow::Instance();
  QTest::mouseClick(w->Button()->widget(), Qt::LeftButton);
  EXPECT_EQ(g_log, (std::vector<std::string>{"action", "close event"}));
  EXPECT_TRUE(w->IsClosed());
  EXPECT_EQ(w->Text()->Text(), "after close");
  FlushDeletes();
  EXPECT_TRUE(rt::testing::Recorded().eventErrors.empty());
}

TEST_F(WindowTest, FailedConstructionPassesTheExceptionAndLeavesNoWindow) {
  CountingWindow::throwInOpen = true;
  EXPECT_THROW(CountingWindow::Instance(), rt::NilObjectException);
  EXPECT_TRUE(rt::GetImplicitWindow(CountingWindow::kName) == nullptr);
  EXPECT_TRUE(rt::LivingWindows().empty());
  EXPECT_EQ(CountingWindow::closes, 0);  // a half-built window raises no Close
  CountingWindow::throwInOpen = false;
  CountingWindow::seenInOpen = nullptr;
  Ref<CountingWindow> w = CountingWindow::Instance();
  EXPECT_EQ(CountingWindow::layouts, 2);
  EXPECT_TRUE(w->widget()->isVisible());
}

TEST_F(WindowTest, ControlsAreFoundByNameInRegistrationOrder) {
  Ref<CountingWindow> w = CountingWindow::Instance();
  const auto controls = w->Controls();
  ASSERT_EQ(controls.size(), 2u);
  EXPECT_EQ(controls[0]->Name(), "PushButton1");
  EXPECT_EQ(controls[1]->Name(), "StaticText1");
  EXPECT_TRUE(w->ControlByName("Nothing") == nullptr);
  EXPECT_THROW(rt::RuntimeCheckCast<rt::Label>(w->ControlByName("PushButton1")),
               rt::IllegalCastException);
  auto again = w->New<rt::Label>();
  again->Constructor();
  EXPECT_THROW(w->AddControl("StaticText1", again), rt::RuntimeException);
}

// A fixed-size window with a menu bar and no maximise button.
class FixedWindow : public rt::Window {
 public:
  FixedWindow() : rt::Window("FixedWindow.FixedWindow") {}
  static inline bool resizeable = false;

 protected:
  void Layout() override {
    auto bar = rt::RuntimeNewObject<rt::MenuBar>();
    auto file = rt::RuntimeNewObject<rt::MenuItem>();
    file->SetName("FileMenu");
    file->SetText("&File");
    bar->Append(file);
    SetMenuBar(bar);
    rt::SetProperties(rt::SelfRef(this), PropertyList()
                                             .Int("Width", 453)
                                             .Int("Height", 567)
                                             .Colour("BackColor", rt::RGB(0x102030))
                                             .Text("Title", "Jolvane")
                                             .Bool("Visible", true)
                                             .Bool("CloseButton", true)
                                             .Bool("Resizeable", resizeable)
                                             .Bool("MaximizeButton", false)
                                             .Bool("MinimizeButton", true));
  }
};

TEST_F(WindowTest, ContentAreaIsWidthByHeightBelowTheMenuBarAndFixed) {
  FixedWindow::resizeable = false;
  auto w = rt::ImplicitInstance<FixedWindow>("FixedWindow.FixedWindow");
  QWidget* frame = w->widget();
  QWidget* content = w->contentWidget();
  QCoreApplication::processEvents();
  EXPECT_EQ(frame->windowTitle(), QString("Jolvane"));
  EXPECT_EQ(content->size(), QSize(453, 567));
  auto* bar = frame->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_GE(content->y(), bar->height());
  EXPECT_EQ(frame->height(), 567 + content->y());
  EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
  EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(frame->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(content->palette().color(QPalette::Window), QColor(0x10, 0x20, 0x30));
  frame->resize(600, 700);  // the player cannot resize it either
  QCoreApplication::processEvents();
  EXPECT_EQ(content->size(), QSize(453, 567));
  EXPECT_EQ(w->Width(), 453);
}

TEST_F(WindowTest, ResizeableWindowFollowsItsFrame) {
  FixedWindow::resizeable = true;
  auto w = rt::ImplicitInstance<FixedWindow>("FixedWindow.FixedWindow");
  QWidget* frame = w->widget();
  QCoreApplication::processEvents();
  EXPECT_EQ(w->contentWidget()->size(), QSize(453, 567));
  EXPECT_NE(frame->minimumSize(), frame->maximumSize());
  frame->resize(500, 400 + w->contentWidget()->y());
  QCoreApplication::processEvents();
  EXPECT_EQ(w->Width(), 500);
  EXPECT_EQ(w->Height(), 400);
}

// A modal window that a click on its button closes.
class ModalWindow : public rt::Window {
 public:
  static constexpr const char* kName = "ModalWindow.ModalWindow";
  ModalWindow() : rt::Window(kName) {}
  static inline bool closeInOpen = false;
  void PushButton1_Action(Ref<rt::PushButton>) {
    g_log.push_back("clicked");
    Close();
  }

 protected:
  void Layout() override {
    rt::SetProperties(rt::SelfRef(this),
                      PropertyList().Int("Width", 280).Int("Height", 110).Bool("Visible", true));
  }
  void CreateControls() override {
    auto button = New<rt::PushButton>();
    button->Constructor();
    AddControl("PushButton1", button);
    rt::SetProperties(
        button, PropertyList().Int("Left", 208).Int("Top", 80).Int("Width", 72).Int("Height", 20));
    rt::RuntimeAddEventHandler(
        button->Action,
        rt::RuntimeCreateDelegate(&ModalWindow::PushButton1_Action, rt::SelfRef(this)));
  }
  void Event_Open() override {
    if (closeInOpen) Close();
  }
};

TEST_F(WindowTest, ShowModalReturnsWhenTheWindowCloses) {
  ModalWindow::closeInOpen = false;
  auto w = rt::ImplicitInstance<ModalWindow>(ModalWindow::kName);
  QWidget* button = rt::RuntimeCheckCast<rt::PushButton>(w->ControlByName("PushButton1"))->widget();
  rt::testing::OnModal([&](const std::string& className) {
    g_log.push_back("modal " + className);
    EXPECT_TRUE(w->widget()->isVisible());
    EXPECT_EQ(w->widget()->windowModality(), Qt::ApplicationModal);
    // The click comes from the event loop, while ShowModal waits.
    QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
  });
  w->ShowModal();
  g_log.push_back("returned");
  EXPECT_EQ(g_log,
            (std::vector<std::string>{"modal ModalWindow.ModalWindow", "clicked", "returned"}));
  EXPECT_TRUE(w->IsClosed());
}

TEST_F(WindowTest, ShowModalOfAWindowClosedInItsOpenReturnsAtOnce) {
  ModalWindow::closeInOpen = true;
  auto w = rt::ImplicitInstance<ModalWindow>(ModalWindow::kName);
  ModalWindow::closeInOpen = false;
  bool hooked = false;
  rt::testing::OnModal([&](const std::string&) { hooked = true; });
  w->ShowModal();
  EXPECT_FALSE(hooked);
  EXPECT_FALSE(w->widget() && w->widget()->isVisible());
}

TEST_F(WindowTest, QuitEndsAModalLoop) {
  ModalWindow::closeInOpen = false;
  auto w = rt::ImplicitInstance<ModalWindow>(ModalWindow::kName);
  rt::testing::OnModal([](const std::string&) { QTimer::singleShot(0, [] { rt::Quit(); }); });
  w->ShowModal();
  EXPECT_TRUE(rt::QuitRequested());
  EXPECT_FALSE(w->IsClosed());
  w->ShowModal();  // after Quit no loop starts that nothing would end
  rt::RuntimeRun();
}

// Records the keys it sees; consumes them when told to.
class KeyWindow : public rt::Window {
 public:
  static constexpr const char* kName = "KeyWindow.KeyWindow";
  KeyWindow() : rt::Window(kName) {}
  static inline bool consume = false;
  static inline std::vector<std::string> keys;
  static inline std::vector<bool> spaceHeld;
  static inline std::vector<std::string> pressed;

  template <class T>
  Ref<T> Get(const std::string& name) const {
    return rt::RuntimeCheckCast<T>(ControlByName(name));
  }
  QWidget* W(const std::string& name) const {
    return rt::RuntimeCheckCast<rt::RectControl>(ControlByName(name))->widget();
  }
  void Button_Action(Ref<rt::PushButton> b) { pressed.push_back(b->Name()); }

 protected:
  bool Event_KeyDown(const std::string& key) override {
    keys.push_back(key);
    spaceHeld.push_back(rt::Keyboard::AsyncKeyDown(rt::Keyboard::kSpace));
    return consume;
  }
  void Layout() override {
    rt::SetProperties(rt::SelfRef(this),
                      PropertyList().Int("Width", 300).Int("Height", 200).Bool("Visible", true));
  }
  void CreateControls() override {
    auto addButton = [this](const std::string& name, int left, bool isDefault, bool isCancel) {
      auto b = New<rt::PushButton>();
      b->Constructor();
      AddControl(name, b);
      rt::SetProperties(b, PropertyList()
                               .Int("Left", left)
                               .Int("Top", 10)
                               .Int("Width", 60)
                               .Int("Height", 24)
                               .Text("Caption", name)
                               .Bool("Default", isDefault)
                               .Bool("Cancel", isCancel));
      rt::RuntimeAddEventHandler(
          b->Action, rt::RuntimeCreateDelegate(&KeyWindow::Button_Action, rt::SelfRef(this)));
    };
    addButton("DefaultButton", 10, true, false);
    addButton("CancelButton", 80, false, true);
    addButton("PlainButton", 150, false, false);
    auto radio = New<rt::RadioButton>();
    radio->Constructor();
    AddControl("RadioButton1", radio);
    rt::SetProperties(radio, PropertyList()
                                 .Int("Left", 10)
                                 .Int("Top", 50)
                                 .Int("Width", 50)
                                 .Int("Height", 20)
                                 .Text("Caption", "1"));
    auto canvas = New<rt::Canvas>();
    canvas->Constructor();
    AddControl("Canvas1", canvas);
    rt::SetProperties(
        canvas, PropertyList().Int("Left", 10).Int("Top", 80).Int("Width", 40).Int("Height", 40));
  }
};

class KeyTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    KeyWindow::consume = false;
    KeyWindow::keys.clear();
    KeyWindow::spaceHeld.clear();
    KeyWindow::pressed.clear();
    w = rt::ImplicitInstance<KeyWindow>(KeyWindow::kName);
  }
  void TearDown() override {
    w = nullptr;
    rt::testing::SetKeyDown(rt::Keyboard::kSpace, false);
    WindowTest::TearDown();
  }
  Ref<KeyWindow> w;
};

TEST_F(KeyTest, KeyDownSeesSpaceWhicheverControlHasTheFocus) {
  for (const char* target : {"PlainButton", "RadioButton1", "Canvas1"}) {
    KeyWindow::keys.clear();
    KeyWindow::spaceHeld.clear();
    QTest::keyClick(w->W(target), Qt::Key_Space);
    EXPECT_EQ(KeyWindow::keys, std::vector<std::string>{" "}) << target;
    // The runtime knows the key is down while the press is handled.
    EXPECT_EQ(KeyWindow::spaceHeld, std::vector<bool>{true}) << target;
  }
  QTest::keyClick(w->contentWidget(), Qt::Key_A);
  EXPECT_EQ(KeyWindow::keys.back(), "a");
  EXPECT_FALSE(rt::Keyboard::AsyncKeyDown(rt::Keyboard::kSpace));
}

TEST_F(KeyTest, SpaceNeverTogglesARadioButton) {
  auto radio = w->Get<rt::RadioButton>("RadioButton1");
  int actions = 0;
  radio->Action.Bind([&](Ref<rt::RadioButton>) { ++actions; });
  w->W("RadioButton1")->setFocus();
  QTest::keyClick(w->W("RadioButton1"), Qt::Key_Space);
  EXPECT_FALSE(radio->Value());
  EXPECT_EQ(actions, 0);
  // Not by keeping the focus off it: a player without a mouse reaches it by Tab.
  EXPECT_TRUE(w->W("RadioButton1")->focusPolicy() & Qt::TabFocus);
}

TEST_F(KeyTest, ConsumedKeyGoesNoFurther) {
  QTest::keyClick(w->W("PlainButton"), Qt::Key_Space);
  EXPECT_EQ(KeyWindow::pressed,
            std::vector<std::string>{"PlainButton"});  // Space clicks a focused button
  KeyWindow::consume = true;
  KeyWindow::pressed.clear();
  QTest::keyClick(w->W("PlainButton"), Qt::Key_Space);
  QTest::keyClick(w->W("PlainButton"), Qt::Key_Return);
  EXPECT_TRUE(KeyWindow::pressed.empty());
  EXPECT_EQ(KeyWindow::keys.size(), 3u);
}

TEST_F(KeyTest, ReturnPressesTheDefaultButtonAndEscapeTheCancelButton) {
  struct Case {
    Qt::Key key;
    const char* pressed;
  };
  for (const Case& c : {Case{Qt::Key_Return, "DefaultButton"}, Case{Qt::Key_Enter, "DefaultButton"},
                        Case{Qt::Key_Escape, "CancelButton"}}) {
    for (const char* focus : {"PlainButton", "RadioButton1"}) {  // the focus is elsewhere
      KeyWindow::pressed.clear();
      w->W(focus)->setFocus(Qt::OtherFocusReason);
      QTest::keyClick(w->W(focus), c.key);
      EXPECT_EQ(KeyWindow::pressed, std::vector<std::string>{c.pressed}) << c.pressed << focus;
    }
  }
}

TEST_F(KeyTest, HiddenOrDisabledDefaultButtonIsNotPressed) {
  auto def = w->Get<rt::PushButton>("DefaultButton");
  def->SetEnabled(false);
  QTest::keyClick(w->W("PlainButton"), Qt::Key_Return);
  def->SetEnabled(true);
  def->SetVisible(false);
  QTest::keyClick(w->W("PlainButton"), Qt::Key_Return);
  EXPECT_TRUE(KeyWindow::pressed.empty());
  def->SetVisible(true);
  def->Push();
  EXPECT_EQ(KeyWindow::pressed, std::vector<std::string>{"DefaultButton"});
}

TEST_F(KeyTest, OneButtonMayBeBothDefaultAndCancel) {
  auto cancel = w->Get<rt::PushButton>("CancelButton");
  cancel->SetDefault(true);
  w->Get<rt::PushButton>("DefaultButton")->SetDefault(false);
  QTest::keyClick(w->W("PlainButton"), Qt::Key_Return);
  QTest::keyClick(w->W("PlainButton"), Qt::Key_Escape);
  EXPECT_EQ(KeyWindow::pressed, (std::vector<std::string>{"CancelButton", "CancelButton"}));
}

TEST_F(KeyTest, AutoRepeatIsNotARelease) {
  QWidget* target = w->contentWidget();
  QTest::keyPress(target, Qt::Key_Space);
  EXPECT_TRUE(rt::Keyboard::AsyncKeyDown(rt::Keyboard::kSpace));
  QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
  QApplication::sendEvent(target, &repeatRelease);
  QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
  QApplication::sendEvent(target, &repeatPress);
  EXPECT_TRUE(rt::Keyboard::AsyncKeyDown(rt::Keyboard::kSpace));
  QTest::keyRelease(target, Qt::Key_Space);
  EXPECT_FALSE(rt::Keyboard::AsyncKeyDown(rt::Keyboard::kSpace));

  rt::testing::SetKeyDown(rt::Keyboard::kSpace, true);
  EXPECT_TRUE(rt::Keyboard::AsyncKeyDown(rt::Keyboard::kSpace));
  rt::testing::SetKeyDown(rt::Keyboard::kSpace, false);
  EXPECT_FALSE(rt::Keyboard::AsyncKeyDown(rt::Keyboard::kSpace));
}

TEST_F(KeyTest, KeyDownFailureIsReportedOnceAndTheLoopGoesOn) {
  class Failing : public rt::Window {
   public:
    Failing() : rt::Window("Failing.Failing") {}

   protected:
    void Layout() override { SetVisible(true); }
    bool Event_KeyDown(const std::string&) override {
      throw rt::NilObjectException("sound missing");
    }
  };
  auto f = rt::ImplicitInstance<Failing>("Failing.Failing");
  QTest::keyClick(f->contentWidget(), Qt::Key_Space);
  ASSERT_EQ(rt::testing::Recorded().eventErrors.size(), 1u);
  EXPECT_NE(rt::testing::Recorded().eventErrors[0].find("sound missing"), std::string::npos);
  ASSERT_EQ(rt::testing::Recorded().msgBoxes.size(), 1u);
  EXPECT_NE(rt::testing::Recorded().msgBoxes[0].find("sound missing"), std::string::npos);
  QTest::keyClick(f->contentWidget(), Qt::Key_Space);
  EXPECT_EQ(rt::testing::Recorded().eventErrors.size(), 2u);
}

}  // namespace
