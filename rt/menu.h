// Menus. A MenuBar is the root MenuItem of a tree; one bar may be attached to
// the application and to several windows at once, and each window shows the
// same items (a check mark or an enabling shows everywhere).
//
// Texts keep their "&" marks; the character after "&" is the item's
// mnemonic. A KeyboardShortcut of the form "Cmd+Q" is Ctrl+Q here.
// Choosing an item runs the application's menu handler bound to the item's
// Name (Application::AddMenuHandler); a QuitMenuItem with no handler quits.
// Before a menu opens, and before a shortcut is taken, the application's
// EnableMenuItems event runs; a disabled item cannot be chosen.
#pragma once

#include <string>
#include <vector>

#include "rt/object.h"

class QAction;

namespace rt {

class MenuItem : public Object {
 public:
  MenuItem();
  ~MenuItem() override;

  // The framework's no-argument constructor; the defaults are set already.
  void Constructor() {}

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  // "-" makes a separator.
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  const std::string& KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(const std::string& shortcut);
  bool AutoEnable() const { return autoEnable_; }
  // An auto-enabled item that no command reaches shows disabled.
  void SetAutoEnable(bool a);
  bool Checked() const { return checked_; }
  void SetChecked(bool c);
  // The item's own state; what the menu shows also asks whether a command
  // reaches the item (AutoEnable).
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool e);
  // Enables the item; the application's EnableMenuItems event calls it just
  // before a menu shows or a shortcut is taken.
  void Enable() { SetEnabled(true); }

  // Appends a child at the end.
  void Append(const Ref<MenuItem>& child);
  // The direct child of that name, or nil.
  Ref<MenuItem> Child(const std::string& name) const;
  // The item of that name at any depth below this one, or nil.
  Ref<MenuItem> Lookup(const std::string& name) const;
  int Count() const { return static_cast<int>(children_.size()); }
  Ref<MenuItem> Item(int index) const;
  bool IsSeparator() const { return text_ == "-"; }

  // Chooses the item as the player does: EnableMenuItems first, then the
  // bound handler if the item is enabled. Returns whether it ran.
  bool Choose();

  // The item's action, shared by every window that shows the bar.
  QAction* action() const;
  // Brings the enabling that this item and those below it show up to date.
  void ShowState() const;

 private:
  friend struct MenuAccess;  // the runtime's windows attach their bars
  void MakeMenu() const;
  // A handler bound to its name, a menu to open or the Quit item's own quit.
  bool HasCommand() const;
  bool Shown() const;
  static void ShowText(QAction* action, const std::string& text);
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string name_, text_, shortcut_;
  bool autoEnable_ = false, checked_ = false, enabled_ = true;
  bool enabledByProgram_ = false;  // SetEnabled(true) or Enable() was called
  std::vector<Ref<MenuItem>> children_;
};

class MenuBar : public MenuItem {};

// Quits the application when chosen (unless a handler is bound to its name).
class QuitMenuItem : public MenuItem {};

// An item of the application menu; here an ordinary item where it stands.
class AppleMenuItem : public MenuItem {};

}  // namespace rt
