// The test hooks: what the modal boxes, dialogs, ShowURL and Beep recorded,
// the answers tests give them, the property-list observer, and starting the
// runtime over.
#include <QCoreApplication>

#include "rt/core/internal.h"
#include "rt/runtime.h"
#include "rt/testing/driver.h"

namespace rt {
namespace core {

Hooks& CurrentHooks() {
  static auto* hooks = new Hooks;
  return *hooks;
}

}  // namespace core

namespace testing {
namespace {
bool g_hooksActive = false;

PropertiesObserver& Observer() {
  static auto* observer = new PropertiesObserver;
  return *observer;
}
}  // namespace

void UseTestHooks(bool on) {
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
  core::CurrentHooks() = core::Hooks();
  Observer() = nullptr;
}

void OnMsgBox(std::function<void(const std::string&)> answer) {
  core::CurrentHooks().msgBox = std::move(answer);
}

void OnMessageDialog(std::function<Ref<MessageDialogButton>(MessageDialog&)> answer) {
  core::CurrentHooks().messageDialog = std::move(answer);
}

void OnModal(std::function<void(const std::string& className)> callback) {
  core::CurrentHooks().modal = std::move(callback);
}

void OnSetProperties(PropertiesObserver observer) {
  Observer() = std::move(observer);
}

const PropertiesObserver& SetPropertiesObserver() {
  return Observer();
}

void ResetRuntime() {
  core::DropAllWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  core::ForgetAppObject();
  core::ForgetClasses();
  core::ClearKeys();
  core::ClearQuitRequest();
  RuntimeSetExceptionHelper(nullptr);
}

}  // namespace testing
}  // namespace rt
