// Start, run and exit: the process's one event loop, the exception helper
// that stands between the event loop and the program's handlers, the class
// tables, and the waits that let the event loop run inside a handler.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace rt {

// Prepares the runtime (the Qt application) before anything else.
void RuntimeInit(int& argc, char** argv);

// Class tables. Each class the process uses is registered once, under its
// name, in the order of start-up; whichever of RegisterClass and FindClass
// is called first for a name makes its record. ReleaseFrameworkStatics
// forgets them all.
struct ClassRecord {
  std::string name;
};
const ClassRecord& RegisterClass(const std::string& name);
const ClassRecord* FindClass(const std::string& name);
std::vector<std::string> RegisteredClassNames();
// Registers the framework's own classes (Window, Label, Timer ...).
void InitializeFrameworkClasses();

// The framework's own preparation; nothing of the program depends on them.
void RuntimeInitExternalClasses();
void InitPluginEntrypoints();

// Calls fn; gives nil, or the RuntimeException it raised (other exceptions
// pass through).
std::exception_ptr CallFunctionWithExceptionHandling(const std::function<void()>& fn);
using ExceptionHelper = std::function<std::exception_ptr(const std::function<void()>&)>;
// The routine the runtime calls every event handler through.
void RuntimeSetExceptionHelper(ExceptionHelper helper);

// Runs fn as an event from the event loop: through the exception helper, and
// an exception that escapes is reported to the player as one message and the
// event loop goes on.
void Dispatch(const std::function<void()>& fn);

// Calls the late start-up callback, then raises the application's Open event.
void RunFrameworkInitialization(const std::function<void()>& lateStartup);
// The event loop; returns when the application quits.
void RuntimeRun();
// Ends the event loop (also from inside nested waits).
void Quit();
bool QuitRequested();
// The process's exit status.
int RuntimeExit();

// An exception that reached the main routine: reported on standard error.
void UnhandledException(std::exception_ptr exception);

// Delivers pending events, then returns. In real time it waits for the next
// event with a short bound instead of returning at once, so a polling loop
// does not spin the CPU; on the simulated clock it moves virtual time on to
// the next due event.
void RuntimeBackgroundTask();

// Releases the runtime's statics: window lists, the implicit-window
// registry, the class maps.
void ReleaseFrameworkStatics();

}  // namespace rt
