// The process's event loop and the exception helper between it and the
// program's handlers.
#include "rt/runtime.h"

#include <QApplication>
#include <cstdio>
#include <memory>

#include "rt/core_internal.h"
#include "rt/dialogs.h"
#include "rt/object.h"
#include "rt/testing.h"

namespace rt {
namespace {

// argc/argv must outlive the QApplication.
int g_argc = 1;
char g_arg0[] = "jolvane";
char* g_argv[] = {g_arg0, nullptr};

ExceptionHelper& Helper() {
  static ExceptionHelper helper;
  return helper;
}

}  // namespace

void RuntimeInit(int& argc, char** argv) {
  if (!QApplication::instance()) {
    if (argc > 0 && argv) {
      new QApplication(argc, argv);
    } else {
      new QApplication(g_argc, g_argv);
    }
  }
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setApplicationName(QStringLiteral("Jolvane"));
}

std::exception_ptr CallFunctionWithExceptionHandling(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
  Helper() = std::move(helper);
}

void Dispatch(const std::function<void()>& fn) {
  std::exception_ptr escaped;
  try {
    const ExceptionHelper& helper = Helper();
    escaped = helper ? helper(fn) : CallFunctionWithExceptionHandling(fn);
  } catch (...) {
    // Whatever the helper let through must not unwind into Qt.
    escaped = std::current_exception();
  }
  if (escaped) core::ReportEventError(escaped);
}

namespace core {

std::string DescribeException(std::exception_ptr exception) {
  try {
    std::rethrow_exception(exception);
  } catch (const NilObjectException& e) {
    return std::string("NilObjectException: ") + e.what();
  } catch (const RuntimeException& e) {
    return std::string("RuntimeException: ") + e.what();
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "unknown exception";
  }
}

void ReportEventError(std::exception_ptr exception) {
  const std::string message = DescribeException(exception);
  testing::Recorded().eventErrors.push_back(message);
  std::fprintf(stderr, "Jolvane: an event handler failed: %s\n", message.c_str());
  std::fflush(stderr);
  try {
    MsgBox("An error occurred: " + message);
  } catch (...) {
    // The report itself must never unwind into the event loop.
  }
}

}  // namespace core
}  // namespace rt
