// The runtime: Dispatch and the exception helper, class records, start-up
// order, running and quitting, versions, and releasing the statics.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

#include "rt/rt.h"
#include "rt/testing/driver.h"

namespace {

using rt::Ref;

class RuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override { rt::testing::Reset(); }
  void TearDown() override {
    rt::testing::ResetRuntime();
    rt::testing::Reset();
  }
};

TEST_F(RuntimeTest, DispatchReportsAnEscapingExceptionOnceAndGoesOn) {
  struct Case {
    const char* what;
    std::function<void()> fn;
    const char* message;
  };
  const Case cases[] = {
      {"nil object", [] { throw rt::NilObjectException("picture HandleUp1 missing"); },
       "picture HandleUp1 missing"},
      {"runtime", [] { throw rt::RuntimeException("bad cast"); }, "bad cast"},
      {"standard", [] { throw std::out_of_range("index 12"); }, "index 12"},
      {"anything", [] { throw 7; }, "unknown"},
  };
  for (bool withHelper : {false, true}) {
    rt::RuntimeSetExceptionHelper(withHelper
                                      ? rt::ExceptionHelper(rt::CallFunctionWithExceptionHandling)
                                      : rt::ExceptionHelper());
    for (const Case& c : cases) {
      rt::testing::Reset();
      EXPECT_NO_THROW(rt::Dispatch(c.fn)) << c.what;
      const auto& record = rt::testing::Recorded();
      ASSERT_EQ(record.eventErrors.size(), 1u) << c.what;
      EXPECT_NE(record.eventErrors[0].find(c.message), std::string::npos) << c.what;
      ASSERT_EQ(record.msgBoxes.size(), 1u) << c.what;
      EXPECT_NE(record.msgBoxes[0].find(c.message), std::string::npos) << c.what;
      bool ran = false;
      rt::Dispatch([&] { ran = true; });
      EXPECT_TRUE(ran) << c.what;
      EXPECT_EQ(record.eventErrors.size(), 1u) << c.what;
    }
  }
}

TEST_F(RuntimeTest, DispatchRunsHandlersThroughTheInstalledHelper) {
  int helped = 0;
  rt::RuntimeSetExceptionHelper([&](const std::function<void()>& fn) {
    ++helped;
    return rt::CallFunctionWithExceptionHandling(fn);
  });
  rt::Dispatch([] {});
  EXPECT_EQ(helped, 1);
  // A helper that fails itself still never unwinds into the loop.
  rt::RuntimeSetExceptionHelper([](const std::function<void()>&) -> std::exception_ptr {
    throw std::runtime_error("helper broke");
  });
  EXPECT_NO_THROW(rt::Dispatch([] {}));
  EXPECT_EQ(rt::testing::Recorded().eventErrors.size(), 1u);
  // Nor does a message box hook that fails.
  rt::RuntimeSetExceptionHelper(nullptr);
  rt::testing::OnMsgBox([](const std::string&) { throw std::runtime_error("box broke"); });
  EXPECT_NO_THROW(rt::Dispatch([] { throw rt::RuntimeException("x"); }));
}

TEST_F(RuntimeTest, CallFunctionWithExceptionHandlingCatchesRuntimeExceptionsOnly) {
  EXPECT_EQ(rt::CallFunctionWithExceptionHandling([] {}), nullptr);
  std::exception_ptr caught =
      rt::CallFunctionWithExceptionHandling([] { throw rt::NilObjectException("nil"); });
  ASSERT_NE(caught, nullptr);
  EXPECT_THROW(std::rethrow_exception(caught), rt::NilObjectException);
  EXPECT_THROW(rt::CallFunctionWithExceptionHandling([] { throw std::logic_error("other"); }),
               std::logic_error);
}

TEST_F(RuntimeTest, ClassRecordsKeepStartUpOrderAndAreBuiltOnce) {
  rt::InitializeFrameworkClasses();
  const std::vector<std::string> framework = rt::RegisteredClassNames();
  ASSERT_FALSE(framework.empty());
  for (const char* name : {"Window", "Label", "Timer", "HTTPSocket", "MenuBar", "QuitMenuItem"})
    EXPECT_NE(std::find(framework.begin(), framework.end(), name), framework.end()) << name;
  const rt::ClassRecord& window1 = rt::RegisterClass("Window1");
  const rt::ClassRecord* found = rt::FindClass("App");  // a lookup builds the record
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(&rt::RegisterClass("App"), found);
  EXPECT_EQ(&rt::RegisterClass("Window1"), &window1);
  std::vector<std::string> names = rt::RegisteredClassNames();
  ASSERT_EQ(names.size(), framework.size() + 2);
  EXPECT_EQ(names[framework.size()], "Window1");
  EXPECT_EQ(names[framework.size() + 1], "App");
  rt::testing::ResetRuntime();
  EXPECT_TRUE(rt::RegisteredClassNames().empty());
}

class OrderApp : public rt::Application {
 public:
  std::vector<std::string>* log = nullptr;

 protected:
  void Event_Open() override { log->push_back("app open"); }
};

TEST_F(RuntimeTest, FrameworkInitializationCallsLateStartUpThenOpen) {
  std::vector<std::string> log;
  auto app = rt::RuntimeNewObject<OrderApp>();
  app->log = &log;
  rt::RuntimeRegisterAppObject(app);
  EXPECT_TRUE(rt::GetAppObject() == app);
  rt::RunFrameworkInitialization([&] { log.push_back("late start-up"); });
  EXPECT_EQ(log, (std::vector<std::string>{"late start-up", "app open"}));

  // A failing late start-up goes up to the main routine's guard.
  log.clear();
  EXPECT_THROW(rt::RunFrameworkInitialization([] { throw rt::NilObjectException("x"); }),
               rt::NilObjectException);
  EXPECT_TRUE(log.empty());
  rt::UnhandledException(std::make_exception_ptr(rt::NilObjectException("x")));
  ASSERT_EQ(rt::testing::Recorded().unhandled.size(), 1u);
  EXPECT_NE(rt::testing::Recorded().unhandled[0].find("NilObjectException"), std::string::npos);

  rt::testing::ResetRuntime();
  EXPECT_TRUE(rt::GetAppObject() == nullptr);
}

TEST_F(RuntimeTest, RunEndsAtQuitAndReturnsAtOnceWhenQuitCameFirst) {
  QTimer::singleShot(0, [] { rt::Quit(); });
  rt::RuntimeRun();  // on the simulated clock too, the loop runs until Quit
  EXPECT_TRUE(rt::QuitRequested());
  rt::RuntimeRun();
  EXPECT_EQ(rt::RuntimeExit(), 0);
}

TEST_F(RuntimeTest, VersionsComeFromTheProjectVersion) {
  auto app = rt::RuntimeNewObject<rt::Application>();
  EXPECT_EQ(app->MajorVersion(), 1);
  EXPECT_EQ(app->MinorVersion(), 0);
  EXPECT_EQ(app->BugVersion(), 0);
  EXPECT_EQ(app->ShortVersion(), "1.0.0");
  EXPECT_EQ(app->LongVersion(), "1.0.0 Linux");
  EXPECT_EQ(QCoreApplication::applicationName(), QString("Jolvane"));
}

class ClosingWindow : public rt::Window {
 public:
  ClosingWindow() : rt::Window("ClosingWindow.ClosingWindow") {}
  static inline int closes = 0;

 protected:
  void Layout() override { SetVisible(true); }
  void Event_Close() override { ++closes; }
};

TEST_F(RuntimeTest, ReleasingTheStaticsDropsWindowsWithoutCloseEvents) {
  ClosingWindow::closes = 0;
  QPointer<QWidget> frame =
      rt::ImplicitInstance<ClosingWindow>("ClosingWindow.ClosingWindow")->widget();
  rt::InitializeFrameworkClasses();
  rt::ReleaseFrameworkStatics();
  EXPECT_TRUE(frame.isNull());
  EXPECT_TRUE(rt::GetImplicitWindow("ClosingWindow.ClosingWindow") == nullptr);
  EXPECT_TRUE(rt::LivingWindows().empty());
  EXPECT_TRUE(rt::RegisteredClassNames().empty());
  EXPECT_EQ(ClosingWindow::closes, 0);
}

}  // namespace
