// An HTTP client socket: an asynchronous GET whose answer arrives as an
// event on the event loop.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "rt/controls.h"
#include "rt/event.h"

namespace rt {

// Response headers; names compare without regard to letter case.
class InternetHeaders : public Object {
 public:
  void Add(const std::string& name, const std::string& value);
  // The first value of that name, or the empty text.
  std::string Value(const std::string& name) const;
  int Count() const { return static_cast<int>(entries_.size()); }

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
};

// Error codes of HTTPSocket::Error.
enum HttpError : int32_t {
  kHttpErrorConnection = 102,    // refused, reset or lost connection
  kHttpErrorHostNotFound = 103,  // the name did not resolve
  kHttpErrorTimeout = 104,       // no complete answer within the time bound
  kHttpErrorTooLarge = 105,      // the answer exceeded the size cap
  kHttpErrorProtocol = 106,      // a malformed answer or an unsupported address
};

class HTTPSocket : public PaneChild {
 public:
  HTTPSocket();
  ~HTTPSocket() override;
  void Constructor() {}

  // Starts a GET of the address (http only; port 80 unless it names one)
  // and returns at once. Later exactly one of PageReceived (any HTTP status,
  // redirects included, with the content as UTF-8 text) or Error is raised,
  // unless the socket is gone first or Get is called again (which drops the
  // earlier request without an event). An answer is capped in size and
  // bounded in time (see rt/testing/driver.h for the values); past either bound it
  // ends on Error. The proxy comes from the environment (http_proxy).
  // Once the socket's window has closed, Get sends nothing and a request
  // under way is dropped: no event follows.
  void Get(const std::string& address);

  // The sending socket, the URL, the HTTP status code, the headers, the content.
  Event<void(Ref<HTTPSocket>, std::string, int32_t, Ref<InternetHeaders>, std::string)>
      PageReceived;
  // The sending socket and an HttpError code.
  Event<void(Ref<HTTPSocket>, int32_t)> Error;

  // The socket's own address, port and yield flag, as its property list set
  // them. Get does not use them: it takes host and port from its address.
  const std::string& Address() const { return address_; }
  int32_t Port() const { return port_; }
  bool Yield() const { return yield_; }

  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 private:
  void Drop();
  void Fail(int32_t code);
  void Finish();
  void Deliver(uint64_t generation, int32_t error, int32_t status, Ref<InternetHeaders> headers,
               std::string content);
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string address_;
  int32_t port_ = 0;
  bool yield_ = false;
};

}  // namespace rt
