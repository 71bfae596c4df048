#include "app/startup.h"

#include <exception>
#include <utility>

#include "app/app.h"
#include "app/file_types.h"
#include "app/menubar1.h"
#include "game/module1.h"
#include "game/window1.h"
#include "media/media.h"

namespace {

std::function<rt::Ref<App>()>& AppObjectMaker() {
  static std::function<rt::Ref<App>()> maker;
  return maker;
}

}  // namespace

void SetAppObjectMakerForTesting(std::function<rt::Ref<App>()> maker) {
  AppObjectMaker() = std::move(maker);
}

int RunProcess(int argc, char** argv) {
  // The program takes no command line: the toolkit gets the program's name
  // only. Qt keeps a reference to the count for the rest of the process.
  static int runtimeArgc = 1;
  if (argc < 1 || argv == nullptr) runtimeArgc = 0;
  rt::RuntimeInit(runtimeArgc, argv);
  initialize();
  Main();
  finalize();
  return rt::RuntimeExit();
}

void initialize() {
  rt::InitializeFrameworkClasses();
  for (const char* name :
       {"Window1.Window1", "Window1.Timer1", "Window1.Timer2", "Window1.Timer3", "Window1.Timer4",
        "Window1.Timer5", "Window1.Timer6", "MenuBar1.MenuBar1"}) {
    rt::RegisterClass(name);
  }
  App::RegisterClass();
  for (const char* name :
       {"selfTest.selfTest", "updateWindow.updateWindow", "updateWindow.hp", "AboutBox.AboutBox"}) {
    rt::RegisterClass(name);
  }
}

void Main() {
  try {
    rt::RuntimeSetExceptionHelper(rt::CallFunctionWithExceptionHandling);
    EarlyStartup();
    rt::RunFrameworkInitialization(LateStartup);
    rt::RuntimeRun();
  } catch (...) {
    rt::UnhandledException(std::current_exception());
  }
}

void EarlyStartup() {
  rt::RuntimeInitExternalClasses();
  rt::InitPluginEntrypoints();
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
}

void InitFileTypes() {
  FileTypes::Initialize();
}

void NewAppInstance() {
  rt::Ref<App> app = AppObjectMaker() ? AppObjectMaker()() : rt::RuntimeNewObject<App>();
  app->Constructor();
  // The first use of the menu bar: this builds it.
  app->SetMenuBar(MenuBar1::Instance());
  rt::RuntimeRegisterAppObject(app);
}

void ApplicationAddMenuHandlers() {
  App::Instance()->AddMenuHandler(
      "AppleAboutJolvane",
      rt::RuntimeCreateDelegate(&App::AppleAboutJolvane_Action, App::Instance()));
  App::Instance()->AddMenuHandler(
      "CheckforUpdateCheckNow",
      rt::RuntimeCreateDelegate(&App::CheckforUpdateCheckNow_Action, App::Instance()));
  App::Instance()->AddMenuHandler(
      "SoundSoundOff", rt::RuntimeCreateDelegate(&App::SoundSoundOff_Action, App::Instance()));
  App::Instance()->AddMenuHandler(
      "SoundSoundOn", rt::RuntimeCreateDelegate(&App::SoundSoundOn_Action, App::Instance()));
  App::Instance()->AddMenuHandler(
      "ATMAdd20Tokens", rt::RuntimeCreateDelegate(&App::ATMAdd20Tokens_Action, App::Instance()));
}

void LateStartup() {
  MakeDefaultView();
}

void MakeDefaultView() {
  // Taking the implicit instance builds the window, and its layout shows it.
  (void)Window1::Instance();
}

const std::vector<ReleaseStep>& ReleaseSteps() {
  static const std::vector<ReleaseStep> steps = {
      {"cached sounds", ReleaseCachedSounds},
      {"framework statics", rt::ReleaseFrameworkStatics},
      {"FileTypes.pText", [] { FileTypes::pText = nullptr; }},
      {"MenuBar1 instance", MenuBar1::ReleaseInstance},
      {"Module1 stop flags",
       [] {
         Module1::StopColOne.clear();
         Module1::StopColTwo.clear();
         Module1::StopColThree.clear();
       }},
  };
  return steps;
}

void finalize() {
  for (const ReleaseStep& step : ReleaseSteps()) step.release();
}
