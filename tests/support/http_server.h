// A real HTTP server for tests, in its own process (tests/support/http_server.py).
//
//   auto server = test_support::HttpServer::Start({"--status", "200", "--body", "<a>1</a>"});
//   ASSERT_TRUE(server);
//   socket->Get(server->Url("/Updates/jolvane.xml"));   // straight to it, or
//   server->UseAsProxy();                               // http_proxy=http://127.0.0.1:PORT
//   socket->Get("http://www.brenwick.example/Updates/jolvane.xml");
//   ... AdvanceUntil(answer arrived) ...
//   EXPECT_EQ(server->Requests(),
//             std::vector<std::string>{"GET http://www.brenwick.example/Updates/jolvane.xml"});
//
// Scenario options (see the script): --status N, --body TEXT, --body-file FILE,
// --content-type TYPE, --header "Name: value", --delay-ms N,
// --mode answer|silent|endless|close|truncated.
//
// The runtime takes its proxy from http_proxy at every request, and never for
// 127.0.0.1, so straight requests to a server still work with a proxy set.
// The script is found through JOLVANE_SOURCE_DIR (ctest sets it), else beside
// this file's source. The destructor kills the server; it also ends by itself
// when the test process does.
#pragma once

#include <memory>
#include <string>
#include <vector>

class QProcess;

namespace test_support {

// One request as the server logged it.
struct HttpRequestSeen {
  std::string method, target, host, version;
  std::vector<std::string> headerNames;  // in the order received
};

class HttpServer {
 public:
  // Starts a server with these scenario options and waits for its port;
  // nullptr (with the reason on stderr) when it does not come up.
  static std::unique_ptr<HttpServer> Start(const std::vector<std::string>& options = {});
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  int port() const { return port_; }
  // "http://127.0.0.1:PORT" followed by the path.
  std::string Url(const std::string& path = "/") const;
  // The value for http_proxy: "http://127.0.0.1:PORT".
  std::string ProxyUrl() const;
  // Sets http_proxy (and HTTP_PROXY) of this process to this server.
  void UseAsProxy() const;
  // Every request so far, as "METHOD TARGET", in order.
  std::vector<std::string> Requests() const;
  std::vector<HttpRequestSeen> RequestDetails() const;

  // A port on 127.0.0.1 where nothing listens (for a refused connection).
  static int UnusedPort();
  // Clears http_proxy and HTTP_PROXY of this process.
  static void ClearProxy();
  // Where the script lives.
  static std::string ScriptPath();

 private:
  HttpServer() = default;
  std::unique_ptr<QProcess> process_;
  std::string logPath_, logDir_;
  int port_ = 0;
};

}  // namespace test_support
