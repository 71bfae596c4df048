// The test hooks: the test driver's modal host, what the modal boxes,
// dialogs, ShowURL and Beep recorded, the answers tests give them, the
// property-list observer, and starting the runtime over.
#include "rt/testing/hooks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "rt/core/clock.h"
#include "rt/core/internal.h"
#include "rt/core/modal_host.h"
#include "rt/runtime.h"
#include "rt/testing/driver.h"
#include "rt/window.h"

namespace rt::testing {
namespace {

bool g_hooksActive = false;

// The answers the test gave; Reset restores these defaults.
struct Answers {
  std::function<void(const std::string&)> msgBox;
  std::function<void(const std::string&)> modal;
  std::function<Ref<MessageDialogButton>(MessageDialog&)> messageDialog;
};

Answers& CurrentAnswers() {
  static auto* answers = new Answers;
  return *answers;
}

// While the hooks are active they record and answer the boxes, the dialog,
// ShowURL and Beep; else the desktop shows them. A modal window waits in
// virtual time on the simulated clock, in its own event loop otherwise.
class TestHost final : public core::ModalHost {
 public:
  void WaitModal(Window& window) override {
    if (auto callback = CurrentAnswers().modal) callback(window.ClassName());
    if (!clock::Simulated()) {
      core::DesktopModalHost().WaitModal(window);
      return;
    }
    WaitInVirtualTime(window);
  }

  void MsgBox(const std::string& text) override {
    if (!g_hooksActive) {
      core::DesktopModalHost().MsgBox(text);
      return;
    }
    Recorded().msgBoxes.push_back(text);
    if (auto answer = CurrentAnswers().msgBox) answer(text);
  }

  Ref<MessageDialogButton> AnswerDialog(MessageDialog& dialog) override {
    if (!g_hooksActive) return core::DesktopModalHost().AnswerDialog(dialog);
    Recorded().dialogs.push_back(dialog.Title());
    if (auto answer = CurrentAnswers().messageDialog) return answer(dialog);
    return dialog.CancelButton();
  }

  void Beep() override {
    if (!g_hooksActive) {
      core::DesktopModalHost().Beep();
      return;
    }
    ++Recorded().beeps;
  }

  void ShowURL(const std::string& address) override {
    if (!g_hooksActive) {
      core::DesktopModalHost().ShowURL(address);
      return;
    }
    Recorded().urls.push_back(address);
  }

 private:
  // Virtual time moves only when someone waits; a modal window is a wait.
  static void WaitInVirtualTime(Window& window) {
    QElapsedTimer idle;
    bool idling = false;
    while (!window.IsClosed() && !QuitRequested()) {
      const bool nothingDue = clock::NextDue() < 0;
      if (!nothingDue) {
        idling = false;
      } else if (!idling) {
        idling = true;
        idle.start();
      } else if (idle.elapsed() > 30000) {
        // Nothing can ever close it: end the wait rather than hang.
        const std::string& className = window.ClassName();
        std::fprintf(stderr, "Jolvane: modal window %s waits for nothing; closing it\n",
                     className.c_str());
        Recorded().eventErrors.push_back("modal window " + className + " waited for nothing");
        window.Close();
        break;
      }
      core::SimulatedWaitStep();
    }
  }
};

}  // namespace

void InstallHooks() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  core::InstallModalHost(new TestHost);  // never destroyed: windows may wait at exit
  core::Listeners& listeners = core::CurrentListeners();
  listeners.eventError = [](const std::string& message) {
    Recorded().eventErrors.push_back(message);
  };
  listeners.unhandled = [](const std::string& message) { Recorded().unhandled.push_back(message); };
}

void UseTestHooks(bool on) {
  InstallHooks();
  g_hooksActive = on;
}
bool TestHooksActive() {
  return g_hooksActive;
}

Record& Recorded() {
  static auto* record = new Record;
  return *record;
}

void Reset() {
  Recorded() = Record();
  CurrentAnswers() = Answers();
  core::CurrentListeners().properties = nullptr;
}

void OnMsgBox(std::function<void(const std::string&)> answer) {
  CurrentAnswers().msgBox = std::move(answer);
}

void OnMessageDialog(std::function<Ref<MessageDialogButton>(MessageDialog&)> answer) {
  CurrentAnswers().messageDialog = std::move(answer);
}

void OnModal(std::function<void(const std::string& className)> callback) {
  CurrentAnswers().modal = std::move(callback);
}

void OnSetProperties(PropertiesObserver observer) {
  core::CurrentListeners().properties = std::move(observer);
}

void ResetRuntime() {
  core::DropAllWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  core::ForgetAppObject();
  core::ForgetClasses();
  core::ClearKeys();
  if (QuitRequested()) {
    // Quit ended Qt's loops with QCoreApplication::exit, and until Qt's main
    // loop runs again every loop of the process returns at once (a real
    // message box among them): one turn of it ends that.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
  }
  core::ClearQuitRequest();
  RuntimeSetExceptionHelper(nullptr);
}

void SetKeyDown(int32_t keyCode, bool down) {
  core::HoldKey(keyCode, down);
}

}  // namespace rt::testing
