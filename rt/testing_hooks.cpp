// The test hooks: what the modal boxes, dialogs, ShowURL and Beep recorded,
// and the answers tests give them.
#include "rt/core_internal.h"
#include "rt/testing.h"

namespace rt {
namespace core {

Hooks& CurrentHooks() {
  static Hooks hooks;
  return hooks;
}

}  // namespace core

namespace testing {
namespace {
bool g_hooksActive = false;
}  // namespace

void UseTestHooks() {
  g_hooksActive = true;
}
bool TestHooksActive() {
  return g_hooksActive;
}

Record& Recorded() {
  static Record record;
  return record;
}

void Reset() {
  Recorded() = Record();
  core::CurrentHooks() = core::Hooks();
}

void OnMsgBox(std::function<void(const std::string&)> answer) {
  core::CurrentHooks().msgBox = std::move(answer);
}

void OnModal(std::function<void(const std::string& className)> callback) {
  core::CurrentHooks().modal = std::move(callback);
}

}  // namespace testing
}  // namespace rt
