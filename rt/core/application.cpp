// The application object: menu handlers by item name, the menu bar, and the
// package's version, which the build takes from the project version.
#include "rt/application.h"

#include "rt/core/internal.h"
#include "rt/menu.h"

#ifndef JOLVANE_VERSION_MAJOR
#error "rt/CMakeLists.txt passes the project version"
#endif

namespace rt {
namespace {

Ref<Application>& AppObject() {
  static auto* app = new Ref<Application>;  // kept for the whole process
  return *app;
}

}  // namespace

Application::Application() = default;
Application::~Application() = default;

void Application::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
  if (handlers_.find(itemName) == handlers_.end()) handlerOrder_.push_back(itemName);
  handlers_[itemName] = std::move(handler);
  core::ShowMenuStates(menuBar_);  // the item it reaches now shows enabled
}

std::function<bool()> Application::MenuHandler(const std::string& itemName) const {
  auto it = handlers_.find(itemName);
  return it == handlers_.end() ? std::function<bool()>() : it->second;
}

void Application::SetMenuBar(const Ref<rt::MenuBar>& bar) {
  menuBar_ = bar;
}

int32_t Application::MajorVersion() const {
  return JOLVANE_VERSION_MAJOR;
}
int32_t Application::MinorVersion() const {
  return JOLVANE_VERSION_MINOR;
}
int32_t Application::BugVersion() const {
  return JOLVANE_VERSION_BUG;
}
std::string Application::ShortVersion() const {
  return JOLVANE_VERSION_TEXT;
}
std::string Application::LongVersion() const {
  return ShortVersion() + " Linux";
}

void RuntimeRegisterAppObject(const Ref<Application>& app) {
  AppObject() = app;
  if (app) core::ShowMenuStates(app->MenuBar());
}

Ref<Application> GetAppObject() {
  return AppObject();
}

namespace core {
void ForgetAppObject() {
  AppObject() = nullptr;
}
}  // namespace core

}  // namespace rt
