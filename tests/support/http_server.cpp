// Starts tests/support/http_server.py, reads its port, reads its log.
#include "tests/support/http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace test_support {

namespace {

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(line);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

std::string After(const std::string& field, const std::string& prefix) {
  return field.rfind(prefix, 0) == 0 ? field.substr(prefix.size()) : std::string();
}

}  // namespace

std::string HttpServer::ScriptPath() {
  if (const char* source = std::getenv("JOLVANE_SOURCE_DIR"); source && *source) {
    const std::string path = std::string(source) + "/tests/support/http_server.py";
    if (QFileInfo::exists(QString::fromStdString(path))) return path;
  }
  return QFileInfo(QStringLiteral(__FILE__)).absolutePath().toStdString() + "/http_server.py";
}

std::unique_ptr<HttpServer> HttpServer::Start(const std::vector<std::string>& options) {
  std::unique_ptr<HttpServer> server(new HttpServer);
  QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/jolvane-http-XXXXXX"));
  if (!dir.isValid()) {
    std::fprintf(stderr, "HttpServer: no temporary folder\n");
    return nullptr;
  }
  dir.setAutoRemove(false);
  server->logDir_ = dir.path().toStdString();
  server->logPath_ = server->logDir_ + "/requests.log";

  QStringList arguments{QString::fromStdString(ScriptPath()), QStringLiteral("--port"),
                        QStringLiteral("0"), QStringLiteral("--log"),
                        QString::fromStdString(server->logPath_)};
  for (const std::string& option : options) arguments << QString::fromStdString(option);
  server->process_ = std::make_unique<QProcess>();
  server->process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  server->process_->start(QStringLiteral("python3"), arguments);
  // Roomy: Python starts slowly on a loaded machine; these only end a
  // server that never starts.
  constexpr int kStartMs = 60000;
  if (!server->process_->waitForStarted(kStartMs)) {
    std::fprintf(stderr, "HttpServer: python3 did not start\n");
    return nullptr;
  }
  QByteArray line;
  while (!line.contains('\n') && server->process_->waitForReadyRead(kStartMs)) {
    line += server->process_->readAllStandardOutput();
  }
  bool ok = false;
  server->port_ = line.trimmed().toInt(&ok);
  if (!ok || server->port_ <= 0) {
    std::fprintf(stderr, "HttpServer: no port from %s\n", ScriptPath().c_str());
    return nullptr;
  }
  return server;
}

HttpServer::~HttpServer() {
  if (process_ && process_->state() != QProcess::NotRunning) {
    process_->kill();
    process_->waitForFinished(5000);
  }
  if (!logDir_.empty()) QDir(QString::fromStdString(logDir_)).removeRecursively();
}

std::string HttpServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::string HttpServer::ProxyUrl() const {
  return "http://127.0.0.1:" + std::to_string(port_);
}

void HttpServer::UseAsProxy() const {
  setenv("http_proxy", ProxyUrl().c_str(), 1);
  setenv("HTTP_PROXY", ProxyUrl().c_str(), 1);
}

void HttpServer::ClearProxy() {
  unsetenv("http_proxy");
  unsetenv("HTTP_PROXY");
}

std::vector<HttpRequestSeen> HttpServer::RequestDetails() const {
  std::vector<HttpRequestSeen> seen;
  std::ifstream log(logPath_);
  std::string line;
  while (std::getline(log, line)) {
    const std::vector<std::string> fields = Split(line, '\t');
    if (fields.empty()) continue;
    HttpRequestSeen request;
    const size_t blank = fields[0].find(' ');
    request.method = fields[0].substr(0, blank);
    if (blank != std::string::npos) request.target = fields[0].substr(blank + 1);
    for (size_t i = 1; i < fields.size(); ++i) {
      if (fields[i].rfind("Host: ", 0) == 0) request.host = After(fields[i], "Host: ");
      if (fields[i].rfind("Version: ", 0) == 0) request.version = After(fields[i], "Version: ");
      if (fields[i].rfind("Headers: ", 0) == 0) {
        for (std::string name : Split(After(fields[i], "Headers: "), ',')) {
          if (!name.empty() && name.front() == ' ') name.erase(0, 1);
          if (!name.empty()) request.headerNames.push_back(name);
        }
      }
    }
    seen.push_back(request);
  }
  return seen;
}

std::vector<std::string> HttpServer::Requests() const {
  std::vector<std::string> lines;
  for (const HttpRequestSeen& r : RequestDetails()) lines.push_back(r.method + " " + r.target);
  return lines;
}

int HttpServer::UnusedPort() {
  // Bound and closed again: nothing listens there afterwards.
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return 1;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  int port = 1;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
    port = ntohs(address.sin_port);
  }
  close(fd);
  return port;
}

}  // namespace test_support
