// HTTPSocket against a real server in its own process: pages of any status,
// the error codes of the transfer failures, the time bound and size cap, the
// proxy from http_proxy, and sockets that go away before their answer.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "rt/http.h"
#include "rt/runtime.h"
#include "rt/testing/driver.h"
#include "rt/window.h"
#include "tests/support/http_server.h"

namespace {

using rt::HTTPSocket;
using rt::Ref;
using test_support::HttpServer;

// The longest any step here may take before it counts as hung.
constexpr int64_t kHangMs = 60000;
// A time bound a test waits for: long enough for the server to have the
// request before it runs out, also on a loaded machine.
constexpr int32_t kShortBoundMs = 1500;

// What one socket reported.
struct Answer {
  int events = 0;
  std::optional<int32_t> error;
  int32_t status = 0;
  std::string url, content, contentType;
  int headerCount = 0;
};

class HttpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::testing::Reset();
    rt::testing::SetHttpLimits(20000, 65536);
    HttpServer::ClearProxy();
  }
  void TearDown() override {
    rt::testing::SetHttpLimits(20000, 65536);
    HttpServer::ClearProxy();
  }
  Ref<HTTPSocket> Socket(Answer& answer) {
    auto socket = rt::RuntimeNewObject<HTTPSocket>();
    socket->PageReceived.Bind([&answer](Ref<HTTPSocket>, std::string url, int32_t status,
                                        Ref<rt::InternetHeaders> headers, std::string content) {
      ++answer.events;
      answer.url = url;
      answer.status = status;
      answer.content = content;
      answer.contentType = headers->Value("content-type");
      answer.headerCount = headers->Count();
    });
    socket->Error.Bind([&answer](Ref<HTTPSocket>, int32_t code) {
      ++answer.events;
      answer.error = code;
    });
    return socket;
  }
  // Waits for the answer; the limit bounds the real time too while a
  // request is under way. It only ends a wait that would never end (the
  // transfers' own bound is 20 s), so it is roomy for a loaded machine.
  static bool Await(const Answer& answer, int64_t limitMs = kHangMs) {
    return rt::testing::AdvanceUntil([&] { return answer.events > 0; }, limitMs);
  }
  // Gets `url` on a socket of its own and waits for the answer; none when
  // no answer came.
  std::optional<Answer> Fetch(const std::string& url) {
    Answer answer;
    auto socket = Socket(answer);
    socket->Get(url);
    if (!Await(answer)) return std::nullopt;
    return answer;
  }
  std::string File(const QByteArray& bytes) {
    QFile file(dir_.filePath(QStringLiteral("body%1").arg(files_++)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName().toStdString();
  }
  QTemporaryDir dir_;
  int files_ = 0;
};

struct PageCase {
  const char* name;
  std::vector<std::string> options;
  int32_t status;
  std::string content;
};

TEST_F(HttpTest, AnyStatusIsAPage) {
  const PageCase cases[] = {
      {"200",
       {"--body", "<CurrentVersion>1.0.0</CurrentVersion>"},
       200,
       "<CurrentVersion>1.0.0</CurrentVersion>"},
      {"404", {"--status", "404", "--body", "not here"}, 404, "not here"},
      {"500", {"--status", "500", "--body", "broken"}, 500, "broken"},
      {"empty", {"--status", "200"}, 200, ""},
      // A redirect is the server's answer too: not followed anywhere.
      {"302",
       {"--status", "302", "--header", "Location: http://127.0.0.1:1/", "--body", "moved"},
       302,
       "moved"},
      {"late", {"--delay-ms", "300", "--body", "slow"}, 200, "slow"},
      {"utf-8", {"--body", "caf\xC3\xA9"}, 200, "caf\xC3\xA9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto server = HttpServer::Start(c.options);
    ASSERT_TRUE(server);
    Answer answer;
    auto socket = Socket(answer);
    const std::string url = server->Url("/Updates/jolvane.xml");
    socket->Get(url);
    EXPECT_EQ(answer.events, 0);  // Get returns at once
    ASSERT_TRUE(Await(answer));
    EXPECT_FALSE(answer.error) << *answer.error;
    EXPECT_EQ(answer.status, c.status);
    EXPECT_EQ(answer.content, c.content);
    EXPECT_EQ(answer.url, url);
    EXPECT_EQ(answer.contentType, "text/xml");
    EXPECT_GE(answer.headerCount, 3);
    EXPECT_EQ(server->Requests(), std::vector<std::string>{"GET /Updates/jolvane.xml"});
    rt::testing::AdvanceUntil([] { return false; }, 200);
    EXPECT_EQ(answer.events, 1);  // exactly one event
  }
}

TEST_F(HttpTest, InvalidBytesArriveAsValidText) {
  const char bytes[] = {'a', '\xFF', '\xFE', 'b', '\0', 'c'};
  auto server = HttpServer::Start({"--body-file", File(QByteArray(bytes, sizeof bytes))});
  ASSERT_TRUE(server);
  const std::optional<Answer> answer = Fetch(server->Url());
  ASSERT_TRUE(answer);
  const char text[] = {'a', '\xEF', '\xBF', '\xBD', '\xEF', '\xBF', '\xBD', 'b', '\0', 'c'};
  EXPECT_EQ(answer->content, std::string(text, sizeof text));
}

// The size cap: a body at the cap is a page; one byte more is an error,
// whether the length is announced or the bytes just keep coming.
TEST_F(HttpTest, SizeCap) {
  struct Case {
    const char* name;
    std::vector<std::string> options;
    std::optional<int32_t> error;
  } const cases[] = {
      {"at the cap", {"--body-file", File(QByteArray(65536, 'a'))}, std::nullopt},
      {"announced", {"--body-file", File(QByteArray(65537, 'a'))}, rt::kHttpErrorTooLarge},
      {"endless", {"--mode", "endless"}, rt::kHttpErrorTooLarge},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto server = HttpServer::Start(c.options);
    ASSERT_TRUE(server);
    const std::optional<Answer> answer = Fetch(server->Url());
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->error, c.error);
    if (!c.error) {
      EXPECT_EQ(answer->content.size(), 65536u);
    }
  }
}

TEST_F(HttpTest, TransferFailuresAreErrors) {
  struct Case {
    const char* name;
    std::vector<std::string> options;  // empty: no server at all
    int32_t error;
  } const cases[] = {
      {"refused", {}, rt::kHttpErrorConnection},
      {"closed at once", {"--mode", "close"}, rt::kHttpErrorConnection},
      {"cut short", {"--mode", "truncated", "--body", "<a>"}, rt::kHttpErrorConnection},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<HttpServer> server;
    std::string url = "http://127.0.0.1:" + std::to_string(HttpServer::UnusedPort()) + "/";
    if (!c.options.empty()) {
      server = HttpServer::Start(c.options);
      ASSERT_TRUE(server);
      url = server->Url();
    }
    const std::optional<Answer> answer = Fetch(url);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->error, c.error);
    EXPECT_EQ(answer->events, 1);
  }
}

TEST_F(HttpTest, AddressesThatCannotBeFetched) {
  for (const char* address : {"", "not an address", "ftp://127.0.0.1/x", "http://", "https://a/",
                              "mailto:someone@brenwick.example"}) {
    SCOPED_TRACE(address);
    Answer answer;
    auto socket = Socket(answer);
    socket->Get(address);
    EXPECT_EQ(answer.events, 0);  // raised from the event loop, not inside Get
    ASSERT_TRUE(Await(answer, 100));
    EXPECT_EQ(answer.error, rt::kHttpErrorProtocol);
  }
}

// A silent server ends on the time bound, which runs in real time although
// virtual time is what the test clock counts.
TEST_F(HttpTest, SilentServerEndsOnTheTimeBound) {
  rt::testing::SetHttpLimits(kShortBoundMs, 65536);
  EXPECT_EQ(rt::testing::HttpTimeoutMs(), kShortBoundMs);
  auto server = HttpServer::Start({"--mode", "silent"});
  ASSERT_TRUE(server);
  Answer answer;
  auto socket = Socket(answer);
  QElapsedTimer wall;
  wall.start();
  socket->Get(server->Url());
  ASSERT_TRUE(Await(answer));
  EXPECT_EQ(answer.error, rt::kHttpErrorTimeout);
  EXPECT_GE(wall.elapsed(), kShortBoundMs * 95 / 100);
  // Well short of the default 20 s bound, which an ignored setting would
  // leave in force; a loaded machine may add a few seconds.
  EXPECT_LT(wall.elapsed(), 15000);
  EXPECT_EQ(server->Requests().size(), 1u);  // it did get the request
}

// The request goes through the proxy named by http_proxy, as the plain GET
// of the full address with the standard headers only.
TEST_F(HttpTest, RequestGoesThroughHttpProxy) {
  auto server = HttpServer::Start({"--body", "<CurrentVersion>9.9.9</CurrentVersion>"});
  ASSERT_TRUE(server);
  server->UseAsProxy();
  const std::optional<Answer> answer = Fetch("http://www.brenwick.example/Updates/jolvane.xml");
  ASSERT_TRUE(answer);
  ASSERT_FALSE(answer->error) << *answer->error;
  EXPECT_EQ(answer->content, "<CurrentVersion>9.9.9</CurrentVersion>");
  EXPECT_EQ(server->Requests(),
            std::vector<std::string>{"GET http://www.brenwick.example/Updates/jolvane.xml"});
  const auto details = server->RequestDetails();
  ASSERT_EQ(details.size(), 1u);
  EXPECT_EQ(details[0].host, "www.brenwick.example");
  EXPECT_EQ(details[0].method, "GET");
  // Only what the HTTP stack sends of itself: no header of ours.
  const std::set<std::string> standard{
      "Host",       "Connection", "Accept-Encoding", "Accept-Language",
      "User-Agent", "Accept",     "Proxy-Connection"};
  for (const std::string& name : details[0].headerNames) EXPECT_TRUE(standard.count(name)) << name;
}

TEST_F(HttpTest, ProxyThatRefusesIsAConnectionError) {
  setenv("http_proxy", ("http://127.0.0.1:" + std::to_string(HttpServer::UnusedPort())).c_str(), 1);
  const std::optional<Answer> answer = Fetch("http://www.brenwick.example/Updates/jolvane.xml");
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->error, rt::kHttpErrorConnection);
}

// Gone before its answer: nothing is raised, nothing breaks.
TEST_F(HttpTest, SocketDroppedBeforeTheAnswer) {
  auto server = HttpServer::Start({"--delay-ms", "1000", "--body", "late"});
  ASSERT_TRUE(server);
  Answer answer;
  {
    auto socket = Socket(answer);
    socket->Get(server->Url());
    ASSERT_TRUE(rt::testing::AdvanceUntil([&] { return !server->Requests().empty(); }, kHangMs));
  }
  QElapsedTimer wall;
  wall.start();
  while (wall.elapsed() < 1300) rt::RuntimeBackgroundTask();  // past the late page
  EXPECT_EQ(answer.events, 0);
}

class SocketWindow : public rt::Window {
 public:
  static constexpr const char* kName = "SocketWindow.SocketWindow";
  SocketWindow() : rt::Window(kName) {}
};

// A window's socket, registered as the update window registers its "hp".
Ref<HTTPSocket> WindowSocket(const Ref<SocketWindow>& window, Answer& answer) {
  auto socket = window->New<HTTPSocket>();
  socket->Constructor();
  window->AddControl("hp", socket);
  socket->PageReceived.Bind([&answer](Ref<HTTPSocket>, std::string, int32_t,
                                      Ref<rt::InternetHeaders>, std::string) { ++answer.events; });
  socket->Error.Bind([&answer](Ref<HTTPSocket>, int32_t code) {
    ++answer.events;
    answer.error = code;
  });
  return socket;
}

// Closing a window drops its sockets' requests: neither the late page nor
// the time bound's error reaches it, although the socket itself lives on;
// and a closed window's socket asks the server nothing.
TEST_F(HttpTest, ClosedWindowsSocketRaisesNothing) {
  rt::testing::SetHttpLimits(kShortBoundMs, 65536);
  auto late = HttpServer::Start({"--delay-ms", "1000", "--body", "late"});
  auto silent = HttpServer::Start({"--mode", "silent"});
  ASSERT_TRUE(late && silent);
  for (const auto* server : {late.get(), silent.get()}) {
    SCOPED_TRACE(server == late.get() ? "late page" : "silent server");
    Answer answer;
    auto window = rt::ImplicitInstance<SocketWindow>(SocketWindow::kName);
    auto socket = WindowSocket(window, answer);
    QElapsedTimer wall;
    wall.start();
    socket->Get(server->Url());
    ASSERT_TRUE(rt::testing::AdvanceUntil([&] { return !server->Requests().empty(); }, kHangMs));
    ASSERT_EQ(answer.events, 0) << "the answer came before the window closed";
    window->Close();
    // Past the late page and the time bound.
    while (wall.elapsed() < kShortBoundMs + 300) rt::RuntimeBackgroundTask();
    EXPECT_EQ(answer.events, 0);

    socket->Get(server->Url());
    wall.restart();
    while (wall.elapsed() < 250) rt::RuntimeBackgroundTask();
    EXPECT_EQ(answer.events, 0);
    EXPECT_EQ(server->Requests().size(), 1u);
  }
}

// A handler may drop the last reference to its own socket.
TEST_F(HttpTest, HandlerDropsItsSocket) {
  auto server = HttpServer::Start({"--body", "x"});
  ASSERT_TRUE(server);
  std::shared_ptr<HTTPSocket> held = rt::RuntimeNewObject<HTTPSocket>().shared();
  int events = 0;
  held->PageReceived.Bind([&](Ref<HTTPSocket> self, std::string, int32_t, Ref<rt::InternetHeaders>,
                              std::string content) {
    ++events;
    EXPECT_FALSE(self.IsNil());
    EXPECT_EQ(content, "x");
    held.reset();
  });
  held->Get(server->Url());
  EXPECT_TRUE(rt::testing::AdvanceUntil([&] { return events > 0; }, kHangMs));
  EXPECT_FALSE(held);
}

// A second Get drops the first request: one answer, the second one's.
TEST_F(HttpTest, SecondGetReplacesTheFirst) {
  auto silent = HttpServer::Start({"--mode", "silent"});
  auto answering = HttpServer::Start({"--body", "second"});
  ASSERT_TRUE(silent && answering);
  Answer answer;
  auto socket = Socket(answer);
  socket->Get(silent->Url());
  socket->Get(answering->Url());
  ASSERT_TRUE(Await(answer));
  rt::testing::AdvanceUntil([] { return false; }, 300);
  EXPECT_EQ(answer.events, 1);
  EXPECT_EQ(answer.content, "second");
}

TEST_F(HttpTest, PropertiesOfTheSocket) {
  auto socket = rt::RuntimeNewObject<HTTPSocket>();
  rt::SetProperties(socket,
                    rt::PropertyList().Text("Address", "").Int("Port", 0).Bool("yield", false));
  EXPECT_EQ(socket->Address(), "");
  EXPECT_EQ(socket->Port(), 0);
  EXPECT_FALSE(socket->Yield());
  rt::SetProperties(socket,
                    rt::PropertyList().Text("Address", "h").Int("Port", 8080).Bool("yield", true));
  EXPECT_EQ(socket->Address(), "h");
  EXPECT_EQ(socket->Port(), 8080);
  EXPECT_TRUE(socket->Yield());
}

TEST(InternetHeadersTest, NamesIgnoreCase) {
  rt::InternetHeaders headers;
  headers.Add("Content-Type", "text/xml");
  headers.Add("X-Two", "1");
  headers.Add("x-two", "2");
  EXPECT_EQ(headers.Value("content-TYPE"), "text/xml");
  EXPECT_EQ(headers.Value("X-TWO"), "1");
  EXPECT_EQ(headers.Value("missing"), "");
  EXPECT_EQ(headers.Count(), 3);
}

}  // namespace
