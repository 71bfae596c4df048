// Internals shared by the runtime's core files (windows, controls, menus,
// dialogs, the event loop). The program never includes this file.
#pragma once

#include <exception>
#include <functional>
#include <string>

namespace rt::core {

// The message of an exception, for the record and the player's message box.
std::string DescribeException(std::exception_ptr exception);

// Reports an exception that escaped an event handler: recorded for tests,
// written to standard error, and shown to the player as one message box.
void ReportEventError(std::exception_ptr exception);

// The testing hooks' current answers (set by rt/testing.h functions).
struct Hooks {
  std::function<void(const std::string&)> msgBox;
  std::function<void(const std::string&)> modal;
};
Hooks& CurrentHooks();

}  // namespace rt::core
