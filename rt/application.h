// The application object: one registered instance of a subclass of
// Application, kept by the runtime for the rest of the process.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "rt/object.h"

namespace rt {

class MenuBar;

class Application : public Object {
 public:
  Application();
  ~Application() override;

  // Runs `handler` when the item of that name is chosen.
  void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
  // The handler bound to an item name, or an empty function.
  std::function<bool()> MenuHandler(const std::string& itemName) const;
  // Item names in the order they were bound.
  const std::vector<std::string>& MenuHandlerNames() const { return handlerOrder_; }

  Ref<rt::MenuBar> MenuBar() const { return menuBar_; }
  void SetMenuBar(const Ref<rt::MenuBar>& bar);

  // Raise the application's events (the framework's _CallOpen and
  // _EnableMenuItems).
  void CallOpen() { Event_Open(); }
  void EnableMenuItems() { Event_EnableMenuItems(); }

  // The application package's version, from the build's project version.
  int32_t MajorVersion() const;
  int32_t MinorVersion() const;
  int32_t BugVersion() const;
  std::string ShortVersion() const;  // "1.0.0"
  std::string LongVersion() const;   // "1.0.0 Linux"

 protected:
  // The class's bound application events; nothing unless overridden.
  virtual void Event_Open() {}
  virtual void Event_EnableMenuItems() {}

 private:
  std::map<std::string, std::function<bool()>> handlers_;
  std::vector<std::string> handlerOrder_;
  Ref<rt::MenuBar> menuBar_;
};

// Registers the application object; from here on GetAppObject returns it.
void RuntimeRegisterAppObject(const Ref<Application>& app);
// The registered application object, or nil.
Ref<Application> GetAppObject();

}  // namespace rt
