// The HTTP plugin (rt/plugins/http.h): transfers on QNetworkAccessManager. Built
// as a module of its own, not part of the rt library.
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

#include "rt/http.h"
#include "rt/plugins/http.h"

namespace rt::core {
namespace {

// One manager for the process, made on the first request; it takes the
// proxy from the environment (http_proxy), as the tests rely on.
QNetworkAccessManager* Manager() {
  static QNetworkAccessManager* manager = [] {
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    return new QNetworkAccessManager;
  }();
  return manager;
}

int32_t ErrorCode(QNetworkReply::NetworkError error) {
  switch (error) {
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::ProxyNotFoundError:
      return kHttpErrorHostNotFound;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::ProxyTimeoutError:
      return kHttpErrorTimeout;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::BackgroundRequestNotAllowedError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::UnknownProxyError:
      return kHttpErrorConnection;
    default:
      return kHttpErrorProtocol;
  }
}

// Qt reports an HTTP error status as a reply error too; such an answer is
// still a page. A transfer cut off after the status line is not.
bool IsStatusError(QNetworkReply::NetworkError error) {
  const int e = static_cast<int>(error);
  return (e >= 201 && e <= 299) || error == QNetworkReply::ProtocolInvalidOperationError ||
         (e >= 401 && e <= 499);
}

class Transfer : public HttpTransfer {
 public:
  Transfer(QNetworkReply* reply, QObject* context) : reply_(reply), context_(context) {}
  ~Transfer() override {
    if (!reply_) return;
    QObject::disconnect(reply_, nullptr, context_, nullptr);
    if (reply_->isRunning()) reply_->abort();
    reply_->deleteLater();
  }
  QByteArray ReadAll() override { return reply_->readAll(); }
  int64_t ContentLength() const override {
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    return length.isValid() ? length.toLongLong() : -1;
  }
  int32_t Status() const override {
    const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return status.isValid() ? status.toInt() : 0;
  }
  int32_t Failure() const override {
    const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QNetworkReply::NetworkError error = reply_->error();
    if (status.isValid() && (error == QNetworkReply::NoError || IsStatusError(error))) return 0;
    return ErrorCode(error);
  }
  QList<QPair<QByteArray, QByteArray>> Headers() const override { return reply_->rawHeaderPairs(); }
  QByteArray Header(const QByteArray& name) const override { return reply_->rawHeader(name); }

 private:
  QPointer<QNetworkReply> reply_;
  QObject* context_;
};

class Transport : public HttpTransport {
 public:
  HttpTransfer* Get(const QUrl& url, QObject* context, HttpEvents events) override {
    QNetworkRequest request(url);
    // What the server says is the answer: a redirect is a page like any other.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    QNetworkReply* reply = Manager()->get(request);
    // The call-backs live in the connections, not in the transfer, which a
    // call-back may destroy.
    QObject::connect(reply, &QNetworkReply::metaDataChanged, context, events.metaData);
    QObject::connect(reply, &QNetworkReply::readyRead, context, events.data);
    QObject::connect(reply, &QNetworkReply::finished, context, events.finished);
    return new Transfer(reply, context);
  }
};

}  // namespace
}  // namespace rt::core

extern "C" __attribute__((visibility("default"))) void* rt_http_transport() {
  static rt::core::Transport transport;
  return static_cast<rt::core::HttpTransport*>(&transport);
}
