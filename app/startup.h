// From process start to exit: the class tables, the main routine with its
// guard, early and late start-up, and the release of the statics at exit.
#pragma once

#include <functional>
#include <vector>

#include "rt/rt.h"

class App;

// The whole process as main runs it: RuntimeInit, initialize, Main,
// finalize; gives RuntimeExit's result, the exit status.
int RunProcess(int argc, char** argv);

// Builds every class record: the framework's first, then the program's own.
void initialize();
// Installs the exception helper, runs early start-up, the framework's
// initialisation (which calls LateStartup) and the event loop, all under one
// guard: an exception that leaves them goes to UnhandledException and Main
// returns normally.
void Main();
// The framework's preparation, the file type, the application object with
// its menu bar, the five menu bindings.
void EarlyStartup();
void InitFileTypes();
// Makes the application object, attaches the MenuBar1 instance, registers it.
void NewAppInstance();
// Binds the application's five menu commands by item name, in order.
void ApplicationAddMenuHandlers();
// The framework's call-back during its initialisation: the game window.
void LateStartup();
void MakeDefaultView();
// Releases the statics, one step after another (ReleaseSteps).
void finalize();

// What finalize releases, in its order: the four cached sounds, the
// framework's statics, FileTypes.pText, the MenuBar1 instance, Module1's
// stop flags.
struct ReleaseStep {
  const char* what;
  void (*release)();
};
const std::vector<ReleaseStep>& ReleaseSteps();

// Tests only: the maker of the application object that NewAppInstance uses
// (empty: the ordinary new App). The program itself never sets it; a test
// uses it to make early start-up fail as an application object that cannot
// be created would.
void SetAppObjectMakerForTesting(std::function<rt::Ref<App>()> maker);
