// Between rt's HTTP socket (rt/core/http.cpp) and the plugin that makes the
// transfers on Qt Network (rt/plugins/http.cpp, loaded at the first Get: see
// rt/plugins/loader.h). The program never includes this file.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QUrl>
#include <cstdint>
#include <functional>

class QObject;

namespace rt::core {

// What a transfer tells while it runs. They come from the event loop, from
// Qt's signals, each through a connection to the context object given to
// Get; a call-back may end the transfer (destroy it).
struct HttpEvents {
  std::function<void()> metaData;  // the status line and headers arrived
  std::function<void()> data;      // more content arrived
  std::function<void()> finished;  // the transfer ended, either way
};

// One GET. Destroying it ends a transfer still under way at once, without
// another call-back.
class HttpTransfer {
 public:
  virtual ~HttpTransfer() = default;
  // The content that arrived since the last call.
  virtual QByteArray ReadAll() = 0;
  // The length the answer's headers announced, or -1.
  virtual int64_t ContentLength() const = 0;
  // Once finished: the HTTP status code, or 0 where no status arrived.
  virtual int32_t Status() const = 0;
  // Once finished: 0 for an answer with a status (any status: an error
  // status still carries its page), else the HttpError code of the failure.
  virtual int32_t Failure() const = 0;
  // Once finished: the answer's headers as they came, and one of them.
  virtual QList<QPair<QByteArray, QByteArray>> Headers() const = 0;
  virtual QByteArray Header(const QByteArray& name) const = 0;
};

class HttpTransport {
 public:
  // Starts a GET of an http address, the proxy from the environment
  // (http_proxy), redirects taken as answers, HTTP/1.1 only.
  virtual HttpTransfer* Get(const QUrl& url, QObject* context, HttpEvents events) = 0;

 protected:
  ~HttpTransport() = default;
};

inline constexpr char kHttpPluginFile[] = "librt_http.so";
inline constexpr char kHttpPluginEntry[] = "rt_http_transport";

}  // namespace rt::core
