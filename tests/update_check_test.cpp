// The update check from the version window's button to the end of the update
// window, against a real HTTP server in its own process that the program
// reaches through http_proxy with its own, built-in address.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>
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

const char kSite[] = "http://www.brenwick.example";
const char kDownload[] = "http://www.brenwick.example/jolvane/download.html";
const char kTitle[] = "New version available!";

// The time bound of a transfer where a test waits for it to run out.
constexpr int32_t kShortBoundMs = 1200;

std::string ErrorMessage(int32_t code) {
  return "There was a communication error with the website. Please try again later. (Code: " +
         std::to_string(code) + ")";
}

std::string OfferMessage(const std::string& version, bool free) {
  return "Version " + version + " is now available. (You are using version 1.0.0.) " +
         (free ? "This is a free upgrade. Would you like to automatically download this update "
                 "(using your web browser)?"
               : "This is a paid upgrade. Would you like to automatically download the trial "
                 "version (using your web browser)?");
}

std::string Document(const std::string& version, const std::string& description = "Bug fixes.",
                     const std::string& free = "Yes") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<update>\n  <CurrentVersion>" + version +
         "</CurrentVersion>\n  <Description>" + description + "</Description>\n  <Free>" + free +
         "</Free>\n</update>\n";
}

// What the update window and the version window showed at the moments that
// matter: when the update window went modal, at the message box, at the dialog.
struct Seen {
  bool modal = false;
  std::string label;
  bool barVisible = false;
  int32_t barMaximum = -1;
  bool versionWindowLiving = true;
  bool firstVersionWindowClosed = false;
  bool firstVersionWidgetVisible = true;

  std::string labelAtBox;
  bool barVisibleAtBox = true;
  bool closedAtBox = true;

  std::string message, explanation, alternateCaption, actionCaption;
  int32_t icon = -1;
  bool cancelVisible = false, alternateVisible = false, actionVisible = false;
  bool closedAtDialog = true;
};

class UpdateCheck : public UpdateFixture {
 protected:
  static rt::testing::Record& Recorded() { return rt::testing::Recorded(); }

  void ServeDocument(const std::string& body, const std::vector<std::string>& more = {}) {
    std::vector<std::string> options{"--body", body};
    options.insert(options.end(), more.begin(), more.end());
    Serve(options);
  }

  // The server saw the program's one request for its document, and no other.
  void ExpectOneRequest() {
    ASSERT_TRUE(server_);
    EXPECT_EQ(server_->Requests(), std::vector<std::string>{kUpdateRequest});
    const auto details = server_->RequestDetails();
    if (!details.empty()) {
      EXPECT_EQ(details.front().host, "www.brenwick.example");
    }
  }

  // "Check Now", then a click on "Check for Updates". The click returns when
  // the update window has closed (its ShowModal has returned).
  void Check() {
    rt::testing::OnModal([this](const std::string& className) {
      if (className != kUpdateClass) return;
      window_ = rt::RuntimeCheckCast<updateWindow>(rt::GetImplicitWindow(kUpdateClass));
      ASSERT_TRUE(window_);
      seen_.modal = true;
      seen_.label = window_->StaticText1()->Text();
      seen_.barVisible = window_->ProgressBar1()->Visible();
      seen_.barMaximum = window_->ProgressBar1()->Maximum();
      seen_.versionWindowLiving = static_cast<bool>(rt::GetImplicitWindow(kVersionClass));
      seen_.firstVersionWindowClosed = versionWindow_->IsClosed();
      seen_.firstVersionWidgetVisible = versionWidget_ && versionWidget_->isVisible();
      if (onModal) onModal(*window_);
    });
    rt::testing::OnMsgBox([this](const std::string&) {
      if (!window_) return;
      seen_.labelAtBox = window_->StaticText1()->Text();
      seen_.barVisibleAtBox = window_->ProgressBar1()->Visible();
      seen_.closedAtBox = window_->IsClosed();
    });
    rt::testing::OnMessageDialog([this](rt::MessageDialog& dialog) {
      seen_.message = dialog.Message();
      seen_.explanation = dialog.Explanation();
      seen_.icon = dialog.Icon();
      seen_.cancelVisible = dialog.CancelButton()->Visible();
      seen_.alternateVisible = dialog.AlternateActionButton()->Visible();
      seen_.alternateCaption = dialog.AlternateActionButton()->Caption();
      seen_.actionVisible = dialog.ActionButton()->Visible();
      seen_.actionCaption = dialog.ActionButton()->Caption();
      seen_.closedAtDialog = !window_ || window_->IsClosed();
      return onDialog ? onDialog(dialog) : dialog.CancelButton();
    });

    EXPECT_FALSE(App::Instance()->CheckforUpdateCheckNow_Action());
    versionWindow_ = rt::RuntimeCheckCast<selfTest>(rt::GetImplicitWindow(kVersionClass));
    ASSERT_TRUE(versionWindow_);
    versionWidget_ = versionWindow_->widget();
    QTest::mouseClick(versionWindow_->PushButton1()->widget(), Qt::LeftButton);
    ASSERT_TRUE(seen_.modal) << "the update window never went modal";
  }

  // Every path ends with the update window closed and no version window.
  void ExpectAllClosed() {
    ASSERT_TRUE(window_);
    EXPECT_TRUE(window_->IsClosed());
    EXPECT_FALSE(rt::GetImplicitWindow(kUpdateClass));
    EXPECT_FALSE(rt::GetImplicitWindow(kVersionClass));
  }

  // The message box of the error path, after one beep.
  void ExpectErrorPath(int32_t code) {
    EXPECT_EQ(Recorded().beeps, 1);
    EXPECT_EQ(Recorded().msgBoxes, std::vector<std::string>{ErrorMessage(code)});
    EXPECT_FALSE(seen_.closedAtBox) << "the message comes before the window closes";
    EXPECT_TRUE(Recorded().dialogs.empty());
    EXPECT_TRUE(Recorded().urls.empty());
    ExpectAllClosed();
  }

  void ExpectCurrentPath() {
    EXPECT_EQ(Recorded().msgBoxes, std::vector<std::string>{kCurrentVersionMessage});
    EXPECT_EQ(seen_.labelAtBox, "This version is current.");
    EXPECT_FALSE(seen_.barVisibleAtBox);
    EXPECT_FALSE(seen_.closedAtBox);
    EXPECT_TRUE(Recorded().dialogs.empty());
    EXPECT_TRUE(Recorded().urls.empty()) << "the browser is not involved";
    EXPECT_EQ(Recorded().beeps, 0);
    ExpectAllClosed();
  }

  // Lets the event loop run for `ms` of real time.
  static void RunFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
  }

  rt::Ref<selfTest> versionWindow_;
  QWidget* versionWidget_ = nullptr;
  rt::Ref<updateWindow> window_;
  Seen seen_;
  std::function<void(updateWindow&)> onModal;
  std::function<rt::Ref<rt::MessageDialogButton>(rt::MessageDialog&)> onDialog;
};

TEST_F(UpdateCheck, WhileCheckingTheWindowShowsTheBusyBarAndCancel) {
  // Late by a second: the window is up before the answer, also on a loaded
  // machine.
  ServeDocument(Document("1.0.0"), {"--delay-ms", "1000"});
  onModal = [](updateWindow& w) {
    EXPECT_EQ(w.Title(), "Update");
    EXPECT_EQ(w.Width(), 300);
    EXPECT_EQ(w.Height(), 120);
    EXPECT_EQ(w.widget()->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(w.widget()->isVisible());
    EXPECT_EQ(w.PushButton1()->Caption(), "Cancel");
    EXPECT_TRUE(w.PushButton1()->Default());
    EXPECT_TRUE(w.PushButton1()->Cancel());
    EXPECT_FALSE(w.automaticCheck);
    // The status line never reads its text as markup.
    auto* label = qobject_cast<QLabel*>(w.StaticText1()->widget());
    if (!label) label = w.StaticText1()->widget()->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), "Checking for updates...");
  };
  Check();
  EXPECT_EQ(seen_.label, "Checking for updates...");
  EXPECT_TRUE(seen_.barVisible);
  EXPECT_EQ(seen_.barMaximum, 0) << "a busy bar while the request runs";
  ExpectOneRequest();
  ExpectCurrentPath();
}

TEST_F(UpdateCheck, TheVersionWindowIsGoneAsSoonAsTheUpdateWindowOpens) {
  ServeDocument(Document("1.0.0"));
  Check();
  EXPECT_FALSE(seen_.versionWindowLiving);
  EXPECT_TRUE(seen_.firstVersionWindowClosed);
  EXPECT_FALSE(seen_.firstVersionWidgetVisible);
  QApplication::processEvents();
  for (QWidget* top : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(top->isVisible() && top->windowTitle() == "Self Test")
        << "a version window is left open";
  }
  ExpectAllClosed();
}

// Documents whose version is the running 1.0.0.
struct CurrentCase {
  const char* what;
  std::string body;
  std::vector<std::string> options;
};

void PrintTo(const CurrentCase& c, std::ostream* os) {
  *os << c.what;
}

class UpdateCheckCurrent : public UpdateCheck, public ::testing::WithParamInterface<CurrentCase> {};

TEST_P(UpdateCheckCurrent, SaysCurrentAndCloses) {
  const CurrentCase& c = GetParam();
  std::vector<std::string> options{"--body", c.body};
  options.insert(options.end(), c.options.begin(), c.options.end());
  Serve(options);
  Check();
  ExpectOneRequest();
  ExpectCurrentPath();
}

INSTANTIATE_TEST_SUITE_P(
    Versions, UpdateCheckCurrent,
    ::testing::Values(CurrentCase{"the same three numbers", Document("1.0.0"), {}},
                      CurrentCase{"a field written 00", Document("1.00.0"), {}},
                      CurrentCase{"a fourth field", Document("1.0.0.9"), {}},
                      CurrentCase{"a missing third field", Document("1.0"), {}},
                      CurrentCase{"the elements in another order amid other markup",
                                  "<!DOCTYPE x><r a=\"1\"><Free>No</Free><!-- CurrentVersion -->"
                                  "<p>text</p><Description>d</Description><CurrentVersion>1.0.0"
                                  "</CurrentVersion></r>",
                                  {}},
                      CurrentCase{"an error status with a whole document is read all the same",
                                  Document("1.0.0"),
                                  {"--status", "404"}}));

// Documents with another version, and what the dialog must say.
struct OfferCase {
  const char* what;
  std::string body;
  std::string version;
  bool free;
  std::string description;
};

void PrintTo(const OfferCase& c, std::ostream* os) {
  *os << c.what;
}

class UpdateCheckOffer : public UpdateCheck, public ::testing::WithParamInterface<OfferCase> {};

TEST_P(UpdateCheckOffer, OffersTheVersionAndCancelCloses) {
  const OfferCase& c = GetParam();
  ServeDocument(c.body);
  Check();
  ExpectOneRequest();
  EXPECT_EQ(Recorded().dialogs, std::vector<std::string>{kTitle});
  EXPECT_FALSE(seen_.closedAtDialog) << "the window stays open behind the dialog";
  EXPECT_EQ(seen_.message, OfferMessage(c.version, c.free));
  EXPECT_EQ(seen_.explanation, c.description);
  EXPECT_EQ(seen_.icon, 3);
  EXPECT_TRUE(seen_.cancelVisible);
  EXPECT_TRUE(seen_.alternateVisible);
  EXPECT_EQ(seen_.alternateCaption, "Go to Website");
  EXPECT_TRUE(seen_.actionVisible);
  EXPECT_EQ(seen_.actionCaption, "OK");
  // The dialog's Cancel (the hook's default answer).
  EXPECT_TRUE(Recorded().msgBoxes.empty());
  EXPECT_TRUE(Recorded().urls.empty());
  EXPECT_EQ(Recorded().beeps, 0);
  ExpectAllClosed();
}

const char kReordered[] =
    "<html><head><title>Jolvane</title></head><body>\n"
    "<Free>Yes</Free><p>Release <b>notes</b></p>\n"
    "<Description>Faster reels.</Description>\n"
    "<CurrentVersionX>9.9.9</CurrentVersionX><CurrentVersion>1.2.0</CurrentVersion>\n"
    "</body></html>";

INSTANTIATE_TEST_SUITE_P(
    Versions, UpdateCheckOffer,
    ::testing::Values(
        OfferCase{"major one higher", Document("2.0.0"), "2.0.0", true, "Bug fixes."},
        OfferCase{"minor one higher", Document("1.1.0"), "1.1.0", true, "Bug fixes."},
        OfferCase{"bug one higher", Document("1.0.1"), "1.0.1", true, "Bug fixes."},
        OfferCase{"major one lower", Document("0.0.0"), "0.0.0", true, "Bug fixes."},
        OfferCase{"minor one lower", Document("1.-1.0"), "1.-1.0", true, "Bug fixes."},
        OfferCase{"bug one lower", Document("1.0.-1"), "1.0.-1", true, "Bug fixes."},
        OfferCase{"free No", Document("1.0.1", "d", "No"), "1.0.1", false, "d"},
        OfferCase{"free empty", Document("1.0.1", "d", ""), "1.0.1", false, "d"},
        OfferCase{"free with a blank before", Document("1.0.1", "d", " Yes"), "1.0.1", false, "d"},
        OfferCase{"free with a line break after", Document("1.0.1", "d", "Yes\n"), "1.0.1", false,
                  "d"},
        OfferCase{"free in lower case", Document("1.0.1", "d", "yes"), "1.0.1", false, "d"},
        OfferCase{"no Free element", "<CurrentVersion>1.0.1</CurrentVersion>", "1.0.1", false, ""},
        OfferCase{"elements in another order amid markup", kReordered, "1.2.0", true,
                  "Faster reels."},
        OfferCase{"a description with line breaks",
                  Document("1.0.1", "First line.\r\nSecond line.\nThird line."), "1.0.1", true,
                  "First line.\r\nSecond line.\nThird line."},
        OfferCase{"markup and entities are text, not decoded",
                  Document("1.0.1<i>beta</i>",
                           "<b>Bold</b> &amp; <a href=\"http://evil.example/x\">click</a>"),
                  "1.0.1<i>beta</i>", true,
                  "<b>Bold</b> &amp; <a href=\"http://evil.example/x\">click</a>"}));

TEST_F(UpdateCheck, ActionButtonOpensTheFixedDownloadPageAndCloses) {
  // An address in the document is never used.
  ServeDocument(Document("1.0.1", "See <a href=\"http://evil.example/\">http://evil.example/</a>"));
  onDialog = [](rt::MessageDialog& d) { return d.ActionButton(); };
  Check();
  EXPECT_EQ(Recorded().urls, std::vector<std::string>{kDownload});
  EXPECT_TRUE(Recorded().msgBoxes.empty());
  ExpectAllClosed();
}

TEST_F(UpdateCheck, GoToWebsiteOpensTheSiteAndLeavesTheWindowOpenUntilCancel) {
  ServeDocument(Document("1.0.1"));
  bool inspected = false;
  onDialog = [this, &inspected](rt::MessageDialog& d) {
    // Once the reply handler has finished: the window must still be open.
    QTimer::singleShot(0, [this, &inspected] {
      inspected = true;
      ASSERT_TRUE(window_);
      EXPECT_FALSE(window_->IsClosed());
      EXPECT_TRUE(window_->widget()->isVisible());
      EXPECT_EQ(window_->StaticText1()->Text(), "Checking for updates...");
      EXPECT_FALSE(window_->ProgressBar1()->Visible());
      EXPECT_EQ(Recorded().urls, std::vector<std::string>{kSite});
      QTest::mouseClick(window_->PushButton1()->widget(), Qt::LeftButton);
    });
    return d.AlternateActionButton();
  };
  Check();
  EXPECT_TRUE(inspected);
  EXPECT_EQ(Recorded().urls, std::vector<std::string>{kSite});
  EXPECT_TRUE(Recorded().msgBoxes.empty());
  ExpectAllClosed();
}

// A reply that cannot be read, and transfers that fail: each ends on the
// error path with its code.
struct FailureCase {
  const char* what;
  std::vector<std::string> options;
  int32_t code;
  bool logged = true;  // a server that closes at once never reads the request
  int32_t boundMs = kBoundMs;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.what;
}

class UpdateCheckFailure : public UpdateCheck, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(UpdateCheckFailure, BeepsTellsTheCodeAndCloses) {
  const FailureCase& c = GetParam();
  rt::testing::SetHttpLimits(c.boundMs, kCapBytes);
  Serve(c.options);
  Check();
  if (c.logged) ExpectOneRequest();
  ExpectErrorPath(c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, UpdateCheckFailure,
    ::testing::Values(
        FailureCase{"a 404 page",
                    {"--status", "404", "--content-type", "text/html", "--body",
                     "<html><body><h1>Not Found</h1></body></html>"},
                    404},
        FailureCase{"a document without CurrentVersion",
                    {"--body", "<update><Description>New</Description><Free>Yes</Free></update>"},
                    200},
        FailureCase{"CurrentVersion without its end tag",
                    {"--body", "<update><CurrentVersion>1.0.1<Free>Yes</Free></update>"},
                    200},
        FailureCase{"an empty CurrentVersion",
                    {"--body", "<CurrentVersion></CurrentVersion><Free>Yes</Free>"},
                    200},
        FailureCase{"a proxy's error page", {"--status", "502", "--body", "Bad Gateway"}, 502},
        FailureCase{"a server that never answers",
                    {"--mode", "silent"},
                    rt::kHttpErrorTimeout,
                    true,
                    kShortBoundMs},
        FailureCase{"an answer that never ends", {"--mode", "endless"}, rt::kHttpErrorTooLarge},
        FailureCase{
            "a connection closed at once", {"--mode", "close"}, rt::kHttpErrorConnection, false}));

TEST_F(UpdateCheck, AReplyLargerThanTheCapEndsOnTheErrorPath) {
  // A valid document at the front, then more than the cap allows.
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("big.xml");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray::fromStdString(Document("1.0.0")));
  file.write(QByteArray(kCapBytes, ' '));
  file.close();
  Serve({"--body-file", path.toStdString()});
  Check();
  ExpectOneRequest();
  ExpectErrorPath(rt::kHttpErrorTooLarge);
}

TEST_F(UpdateCheck, ARefusedConnectionBeepsAndTellsItsCode) {
  const std::string proxy = "http://127.0.0.1:" + std::to_string(HttpServer::UnusedPort());
  setenv("http_proxy", proxy.c_str(), 1);
  setenv("HTTP_PROXY", proxy.c_str(), 1);
  Check();
  ExpectErrorPath(rt::kHttpErrorConnection);
}

TEST_F(UpdateCheck, AnEmptyReplyClosesSilently) {
  Serve({"--body", ""});
  Check();
  ExpectOneRequest();
  EXPECT_TRUE(Recorded().msgBoxes.empty());
  EXPECT_TRUE(Recorded().dialogs.empty());
  EXPECT_TRUE(Recorded().urls.empty());
  EXPECT_EQ(Recorded().beeps, 0);
  ExpectAllClosed();
}

TEST_F(UpdateCheck, CancelWhileCheckingClosesAndALateAnswerSaysNothing) {
  // Late by a second: the Cancel comes first also on a loaded machine.
  ServeDocument(Document("1.0.1"), {"--delay-ms", "1000"});
  // Cancel once the server has the request, so that its answer comes late.
  onModal = [this](updateWindow& w) {
    ASSERT_TRUE(rt::testing::AdvanceUntil([this] { return !server_->Requests().empty(); }, 5000));
    QTest::mouseClick(w.PushButton1()->widget(), Qt::LeftButton);
  };
  Check();
  ExpectAllClosed();
  RunFor(1500);  // past the late answer
  ExpectOneRequest();
  EXPECT_TRUE(Recorded().msgBoxes.empty());
  EXPECT_TRUE(Recorded().dialogs.empty());
  EXPECT_EQ(Recorded().beeps, 0);
}

class UpdateCheckKey : public UpdateCheck, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(UpdateCheckKey, PressesCancelWhileCheckingOnAServerThatNeverAnswers) {
  Serve({"--mode", "silent"});
  const Qt::Key key = GetParam();
  onModal = [key](updateWindow& w) { QTest::keyClick(w.widget(), key); };
  Check();
  ExpectAllClosed();
  EXPECT_TRUE(Recorded().msgBoxes.empty());
  EXPECT_EQ(Recorded().beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, UpdateCheckKey,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape));

TEST_F(UpdateCheck, AutomaticCheckClosesACurrentVersionWithoutTheBox) {
  // Late by a second: the window is up before the answer, also on a loaded
  // machine.
  ServeDocument(Document("1.0.0"), {"--delay-ms", "1000"});
  onModal = [](updateWindow& w) { w.automaticCheck = true; };
  Check();
  EXPECT_TRUE(Recorded().msgBoxes.empty());
  EXPECT_EQ(window_->StaticText1()->Text(), "This version is current.");
  EXPECT_FALSE(window_->ProgressBar1()->Visible());
  ExpectAllClosed();
}

TEST_F(UpdateCheck, EachCheckBuildsANewWindowAndSendsANewRequest) {
  ServeDocument(Document("1.0.0"));
  Check();
  const rt::Ref<updateWindow> first = window_;
  seen_ = Seen();
  window_ = nullptr;
  Check();
  EXPECT_FALSE(window_ == first);
  EXPECT_EQ(server_->Requests(), (std::vector<std::string>{kUpdateRequest, kUpdateRequest}));
  EXPECT_EQ(Recorded().msgBoxes,
            (std::vector<std::string>{kCurrentVersionMessage, kCurrentVersionMessage}));
  ExpectAllClosed();
}

}  // namespace
