// For the tests of the version window and of the update check: a fresh
// runtime with the application object registered, a test HTTP server set as
// the proxy when a test asks for one, and what the update check asks for and
// says, as the program has it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "rt/rt.h"
#include "rt/testing/driver.h"
#include "tests/support/http_server.h"

namespace test_support {

// The class names under which the two windows are registered.
inline constexpr char kVersionClass[] = "selfTest.selfTest";
inline constexpr char kUpdateClass[] = "updateWindow.updateWindow";
// The request for the update document, as the proxy sees it.
inline constexpr char kUpdateRequest[] = "GET http://www.brenwick.example/Updates/jolvane.xml";
// The message when the running version is the current one.
inline constexpr char kCurrentVersionMessage[] =
    "You are using the current version. No update is available.";

// The time bound of a transfer (roomy for a loaded machine) and the size cap.
inline constexpr int32_t kBoundMs = 10000;
inline constexpr int64_t kCapBytes = 65536;

class UpdateFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::testing::ResetRuntime();
    rt::testing::Reset();
    rt::RuntimeRegisterAppObject(rt::RuntimeNewObject<App>());
    rt::testing::SetHttpLimits(kBoundMs, kCapBytes);
  }
  // No handler may have failed; the runtime's defaults come back.
  void TearDown() override {
    EXPECT_TRUE(rt::testing::Recorded().eventErrors.empty())
        << "a handler failed: " << rt::testing::Recorded().eventErrors.front();
    rt::testing::ResetRuntime();
    rt::testing::Reset();
    rt::testing::SetHttpLimits(20000, 65536);
    HttpServer::ClearProxy();
    server_.reset();
  }

  // A server with this scenario, set as the process's proxy.
  void Serve(const std::vector<std::string>& options) {
    server_ = HttpServer::Start(options);
    ASSERT_TRUE(server_) << "the test server did not start";
    server_->UseAsProxy();
  }

  std::unique_ptr<HttpServer> server_;
};

}  // namespace test_support
