// The HTTP client socket on QNetworkAccessManager, in the HTTP plugin
// (rt/plugins/http.h) loaded at the first Get. An answer with any HTTP status
// is a page; only a failure of the transfer is an Error. Every transfer is
// bounded in time and capped in size, so a silent or endless server ends on
// the error path. The events are raised from a fresh turn of the event
// loop, never from inside Qt's network signals.
#include "rt/http.h"

#include <QCoreApplication>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "rt/core/clock.h"
#include "rt/core/internal.h"
#include "rt/plugins/http.h"
#include "rt/plugins/loader.h"
#include "rt/runtime.h"
#include "rt/window.h"

namespace rt {

namespace {

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The transport of the HTTP plugin, loaded on first need; nullptr where the
// plugin is missing (reported once): every Get then ends on a connection error.
core::HttpTransport* Transport() {
  static core::HttpTransport* transport = static_cast<core::HttpTransport*>(
      core::PluginEntry(core::kHttpPluginFile, core::kHttpPluginEntry));
  return transport;
}

std::string ContentText(const QByteArray& bytes, const QByteArray& contentType) {
  const QByteArray type = contentType.toLower();
  const bool latin1 = type.contains("charset=iso-8859-1") || type.contains("charset=latin1") ||
                      type.contains("charset=\"iso-8859-1\"");
  // Invalid UTF-8 becomes U+FFFD: the text handed on is always valid.
  const QString text = latin1 ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
  return text.toStdString();
}

// A closed window's socket raises nothing: its window is gone for the
// player, and a late answer must not reach its handlers.
bool OfClosedWindow(const HTTPSocket& socket) {
  Ref<Window> window = socket.Window();
  return window && window->IsClosed();
}

// HTTPSocket::Drop, for the window that closes (the constructor sets it:
// Drop is the socket's own).
void (HTTPSocket::*g_drop)() = nullptr;

}  // namespace

namespace core {
void AbortRequest(HTTPSocket& socket) {
  if (g_drop) (socket.*g_drop)();
}
}  // namespace core

void InternetHeaders::Add(const std::string& name, const std::string& value) {
  entries_.emplace_back(name, value);
}

std::string InternetHeaders::Value(const std::string& name) const {
  for (const auto& [n, v] : entries_) {
    if (SameName(n, name)) return v;
  }
  return {};
}

struct HTTPSocket::Impl {
  QObject context;  // receiver of every connection: gone with the socket
  std::unique_ptr<core::HttpTransfer> transfer;
  QTimer bound;
  QByteArray body;
  std::string address;
  int64_t maxBytes = 0;
  int32_t failure = 0;      // the code when we ended the transfer ourselves
  uint64_t generation = 0;  // a new Get or the socket's end drops older answers
  bool counted = false;
  std::shared_ptr<bool> alive = std::make_shared<bool>(true);
};

HTTPSocket::HTTPSocket() : impl_(std::make_unique<Impl>()) {
  impl_->bound.setSingleShot(true);
  // A coarse timer may fire up to 5 % early; the time bound is a promise.
  impl_->bound.setTimerType(Qt::PreciseTimer);
  g_drop = &HTTPSocket::Drop;
}

HTTPSocket::~HTTPSocket() {
  Drop();
}

void HTTPSocket::ApplyProperty(const std::string& key, const PropertyValue& value) {
  if (key == "Address") {
    if (const auto* text = std::get_if<std::string>(&value)) {
      address_ = *text;
      return;
    }
  } else if (key == "Port") {
    if (const auto* number = std::get_if<int32_t>(&value)) {
      port_ = *number;
      return;
    }
  } else if (key == "yield") {
    if (const auto* flag = std::get_if<bool>(&value)) {
      yield_ = *flag;
      return;
    }
  } else {
    PaneChild::ApplyProperty(key, value);
    return;
  }
  throw PropertyListError("property " + key + " of an HTTPSocket has the wrong form");
}

void HTTPSocket::Drop() {
  ++impl_->generation;
  impl_->bound.stop();
  impl_->transfer.reset();  // ends it, without an event
  if (impl_->counted) {
    impl_->counted = false;
    clock::EndOutsideWork();
  }
  impl_->body.clear();
  impl_->failure = 0;
}

void HTTPSocket::Get(const std::string& address) {
  Drop();
  if (OfClosedWindow(*this)) return;
  Impl& d = *impl_;
  d.address = address;
  const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
  if (!url.isValid() || url.scheme() != QLatin1String("http") || url.host().isEmpty()) {
    Deliver(d.generation, kHttpErrorProtocol, 0, nullptr, {});
    return;
  }
  core::HttpTransport* transport = Transport();
  if (!transport) {
    Deliver(d.generation, kHttpErrorConnection, 0, nullptr, {});
    return;
  }
  d.maxBytes = settings::HttpMaxBytes();
  core::HttpEvents events;
  events.metaData = [this] {
    if (impl_->transfer && impl_->transfer->ContentLength() > impl_->maxBytes)
      Fail(kHttpErrorTooLarge);
  };
  events.data = [this] {
    if (!impl_->transfer) return;
    impl_->body += impl_->transfer->ReadAll();
    if (impl_->body.size() > impl_->maxBytes) Fail(kHttpErrorTooLarge);
  };
  events.finished = [this] { Finish(); };
  d.transfer.reset(transport->Get(url, &d.context, std::move(events)));
  d.counted = true;
  clock::BeginOutsideWork();

  QObject::disconnect(&d.bound, nullptr, &d.context, nullptr);
  QObject::connect(&d.bound, &QTimer::timeout, &d.context, [this] { Fail(kHttpErrorTimeout); });
  // Real time even on the simulated clock: the network is real.
  d.bound.start(settings::HttpTimeoutMs());
}

void HTTPSocket::Fail(int32_t code) {
  if (!impl_->transfer) return;
  impl_->failure = code;
  Finish();  // which ends the transfer
}

void HTTPSocket::Finish() {
  Impl& d = *impl_;
  const std::unique_ptr<core::HttpTransfer> transfer = std::move(d.transfer);
  if (!transfer) return;
  d.bound.stop();
  if (d.counted) {
    d.counted = false;
    clock::EndOutsideWork();
  }
  int32_t code = d.failure;
  if (code == 0) {
    d.body += transfer->ReadAll();
    if (d.body.size() > d.maxBytes) code = kHttpErrorTooLarge;
  }
  if (code == 0) code = transfer->Failure();
  if (code != 0) {
    Deliver(d.generation, code, 0, nullptr, {});
  } else {
    auto headers = RuntimeNewObject<InternetHeaders>();
    for (const auto& [name, value] : transfer->Headers()) {
      headers->Add(name.toStdString(), QString::fromLatin1(value).toStdString());
    }
    Deliver(d.generation, 0, transfer->Status(), headers,
            ContentText(d.body, transfer->Header("Content-Type")));
  }
  d.body.clear();
  d.failure = 0;
}

void HTTPSocket::Deliver(uint64_t generation, int32_t error, int32_t status,
                         Ref<InternetHeaders> headers, std::string content) {
  // Posted to the application, not to the socket's own context object: the
  // handler may destroy the socket, and with it that object.
  std::weak_ptr<bool> alive = impl_->alive;
  QTimer::singleShot(0, QCoreApplication::instance(), [=, this] {
    if (alive.expired() || generation != impl_->generation || OfClosedWindow(*this)) return;
    ++impl_->generation;  // exactly one event per Get
    std::shared_ptr<HTTPSocket> self;
    if (auto object = weak_from_this().lock()) self = std::static_pointer_cast<HTTPSocket>(object);
    const std::string url = impl_->address;
    Dispatch([&] {
      if (error != 0) {
        Error.Raise(Ref<HTTPSocket>(self), error);
      } else {
        PageReceived.Raise(Ref<HTTPSocket>(self), url, status, headers, content);
      }
    });
  });
}

}  // namespace rt
