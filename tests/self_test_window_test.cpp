// The version window "Self Test" on real widgets: opened by "Check Now"
// without blocking, one window however often it is asked for, rebuilt after a
// close, the running version in place of the design text, and the button
// (also by Return) that runs the update check and leaves no version window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "rt/rt.h"
#include "rt/testing/driver.h"
#include "tests/support/http_server.h"
#include "tests/support/update_fixture.h"
#include "update/self_test.h"
#include "update/update_window.h"

namespace {

// The test HTTP server, the update check's texts and its fixture.
using namespace test_support;

const char kCurrentDocument[] =
    "<update><CurrentVersion>1.0.0</CurrentVersion><Description>-</Description>"
    "<Free>Yes</Free></update>";

class SelfTestWindow : public UpdateFixture {
 protected:
  static rt::Ref<selfTest> Living() {
    return rt::RuntimeCheckCast<selfTest>(rt::GetImplicitWindow(kVersionClass));
  }
  static int LivingVersionWindows() {
    int n = 0;
    for (const auto& w : rt::LivingWindows()) n += w->ClassName() == kVersionClass;
    return n;
  }
  static int VisibleVersionWidgets() {
    QApplication::processEvents();
    int n = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
      n += top->isVisible() && top->windowTitle() == "Self Test";
    return n;
  }

  // "Check Now" as the menu item runs it.
  static rt::Ref<selfTest> CheckNow() {
    EXPECT_FALSE(App::Instance()->CheckforUpdateCheckNow_Action());
    rt::Ref<selfTest> window = Living();
    EXPECT_TRUE(window);
    return window;
  }

  static QString Shown(const rt::Ref<rt::Label>& label) {
    auto* widget = qobject_cast<QLabel*>(label->widget());
    if (!widget) widget = label->widget()->findChild<QLabel*>();
    EXPECT_NE(widget, nullptr);
    return widget ? widget->text() : QString();
  }

  // A server that answers with the current version, as the proxy.
  void ServeCurrent() { Serve({"--body", kCurrentDocument}); }
};

TEST_F(SelfTestWindow, CheckNowShowsTheRunningVersionWithoutBlocking) {
  rt::Ref<selfTest> window = CheckNow();
  ASSERT_TRUE(window);
  QWidget* top = window->widget();
  EXPECT_TRUE(top->isVisible());
  EXPECT_EQ(top->windowModality(), Qt::NonModal);
  EXPECT_EQ(window->Title(), "Self Test");
  EXPECT_EQ(window->Width(), 197);
  EXPECT_EQ(window->Height(), 102);
  EXPECT_FALSE(window->Resizeable());
  EXPECT_FALSE(window->MinimizeButton());
  EXPECT_FALSE(window->MaximizeButton());
  EXPECT_TRUE(window->CloseButton());

  EXPECT_EQ(window->StaticText1()->Text(), "Version:");
  EXPECT_EQ(Shown(window->StaticText1()), "Version:");
  EXPECT_TRUE(window->StaticText1()->Bold());
  // Never the design-time text: the label's Open put the long version in.
  EXPECT_EQ(window->StaticText2()->Text(), "1.0.0 Linux");
  EXPECT_EQ(Shown(window->StaticText2()), "1.0.0 Linux");
  EXPECT_EQ(window->StaticText2()->TextAlign(), 2);
  EXPECT_FALSE(window->StaticText2()->Bold());

  EXPECT_EQ(window->PushButton1()->Caption(), "Check for Updates");
  EXPECT_TRUE(window->PushButton1()->Default());
  EXPECT_FALSE(window->PushButton1()->Cancel());
  EXPECT_EQ(window->Controls().size(), 3u);
  // Nothing was asked of the network yet.
  EXPECT_FALSE(rt::GetImplicitWindow(kUpdateClass));
}

TEST_F(SelfTestWindow, CheckNowTwiceLeavesOneWindow) {
  rt::Ref<selfTest> first = CheckNow();
  ASSERT_TRUE(first);
  first->StaticText2()->SetText("kept");  // a rebuild would put the version back
  first->widget()->hide();

  rt::Ref<selfTest> second = CheckNow();
  EXPECT_TRUE(second == first);
  EXPECT_EQ(LivingVersionWindows(), 1);
  EXPECT_EQ(first->StaticText2()->Text(), "kept");
  EXPECT_TRUE(first->widget()->isVisible()) << "Check Now shows the open window again";
  EXPECT_EQ(VisibleVersionWidgets(), 1);
}

TEST_F(SelfTestWindow, AfterTheCloseBoxCheckNowBuildsAFreshWindow) {
  rt::Ref<selfTest> first = CheckNow();
  ASSERT_TRUE(first);
  first->StaticText2()->SetText("stale");
  first->widget()->close();
  QApplication::processEvents();
  EXPECT_TRUE(first->IsClosed());
  EXPECT_FALSE(Living());

  rt::Ref<selfTest> second = CheckNow();
  ASSERT_TRUE(second);
  EXPECT_FALSE(second == first);
  EXPECT_EQ(second->StaticText2()->Text(), "1.0.0 Linux");
  EXPECT_EQ(LivingVersionWindows(), 1);
}

// The button by click and by Return: the update window opens modally, the
// version window is gone by then, and none is left when the check is over.
class SelfTestWindowButton : public SelfTestWindow, public ::testing::WithParamInterface<bool> {};

TEST_P(SelfTestWindowButton, RunsTheCheckAndLeavesNoVersionWindow) {
  const bool byReturn = GetParam();
  ServeCurrent();
  rt::Ref<selfTest> window = CheckNow();
  ASSERT_TRUE(window);
  QWidget* versionWidget = window->widget();

  bool modal = false;
  rt::testing::OnModal([&](const std::string& className) {
    ASSERT_EQ(className, kUpdateClass);
    modal = true;
    EXPECT_TRUE(rt::GetImplicitWindow(kUpdateClass));
    EXPECT_FALSE(Living()) << "the version window closes as soon as the update window opens";
    EXPECT_TRUE(window->IsClosed());
    EXPECT_FALSE(versionWidget->isVisible());
    EXPECT_EQ(LivingVersionWindows(), 0);
  });
  if (byReturn) {
    QTest::keyClick(window->widget(), Qt::Key_Return);
  } else {
    QTest::mouseClick(window->PushButton1()->widget(), Qt::LeftButton);
  }

  EXPECT_TRUE(modal);
  EXPECT_EQ(rt::testing::Recorded().msgBoxes, std::vector<std::string>{kCurrentVersionMessage});
  EXPECT_EQ(server_->Requests(), std::vector<std::string>{kUpdateRequest});
  EXPECT_FALSE(rt::GetImplicitWindow(kUpdateClass));
  EXPECT_FALSE(Living());
  EXPECT_EQ(LivingVersionWindows(), 0);
  EXPECT_EQ(VisibleVersionWidgets(), 0);

  // The next "Check Now" starts from a new window.
  rt::Ref<selfTest> again = CheckNow();
  ASSERT_TRUE(again);
  EXPECT_FALSE(again == window);
  EXPECT_EQ(again->StaticText2()->Text(), "1.0.0 Linux");
}

INSTANTIATE_TEST_SUITE_P(ClickAndReturn, SelfTestWindowButton, ::testing::Values(false, true));

}  // namespace
