#include "app/menubar1.h"

#include <optional>
#include <string>

namespace {

// A new item of class T, given in this order its Name, AutoEnable, Text and
// (when one is given) KeyboardShortcut.
template <class T>
rt::Ref<T> NewItem(const std::string& name, const std::string& text,
                   const std::optional<std::string>& shortcut) {
  rt::Ref<T> item = rt::RuntimeNewObject<T>();
  item->Constructor();
  item->SetName(name);
  item->SetAutoEnable(true);
  item->SetText(text);
  if (shortcut) item->SetKeyboardShortcut(*shortcut);
  return item;
}

// Appends a child to the top-level menu of that name, looked up again on the
// bar.
void AppendTo(MenuBar1& bar, const std::string& parent, const rt::Ref<rt::MenuItem>& child) {
  bar.Child(parent)->Append(child);
}

}  // namespace

rt::Ref<MenuBar1> MenuBar1::implicitInstance;

rt::Ref<MenuBar1> MenuBar1::Instance() {
  if (!implicitInstance) {
    rt::Ref<MenuBar1> bar = rt::RuntimeNewObject<MenuBar1>();
    bar->Constructor();
    // Stored only once the whole tree is built.
    implicitInstance = bar;
  }
  return implicitInstance;
}

void MenuBar1::ReleaseInstance() {
  implicitInstance = nullptr;
}

bool MenuBar1::InstanceExists() {
  return static_cast<bool>(implicitInstance);
}

void MenuBar1::Constructor() {
  Untitled0();
  Untitled2();
  Untitled3();
  Untitled4();
  Untitled5();
}

void MenuBar1::Untitled0() {
  Append(NewItem<rt::MenuItem>("FileMenu", "&File", ""));
  AppendTo(*this, "FileMenu", NewItem<rt::QuitMenuItem>("FileQuit", "Quit", "Cmd+Q"));
}

void MenuBar1::Untitled2() {
  Append(NewItem<rt::MenuItem>("EditMenu", "&Edit", ""));
  AppendTo(*this, "EditMenu", NewItem<rt::MenuItem>("EditUndo", "&Undo", "Cmd+Z"));
  // The separator's shortcut is never assigned.
  AppendTo(*this, "EditMenu", NewItem<rt::MenuItem>("UntitledMenu0", "-", std::nullopt));
  AppendTo(*this, "EditMenu", NewItem<rt::MenuItem>("EditCut", "Cu&t", "Cmd+X"));
  AppendTo(*this, "EditMenu", NewItem<rt::MenuItem>("EditCopy", "&Copy", "Cmd+C"));
  AppendTo(*this, "EditMenu", NewItem<rt::MenuItem>("EditPaste", "&Paste", "Cmd+V"));
  AppendTo(*this, "EditMenu", NewItem<rt::MenuItem>("EditClear", "Clear", ""));
}

void MenuBar1::Untitled3() {
  Append(NewItem<rt::MenuItem>("SoundMenu", "Sound", ""));
  AppendTo(*this, "SoundMenu", NewItem<rt::MenuItem>("SoundSoundOn", "Sound On", ""));
  AppendTo(*this, "SoundMenu", NewItem<rt::MenuItem>("SoundSoundOff", "Sound Off", ""));
}

void MenuBar1::Untitled4() {
  Append(NewItem<rt::MenuItem>("ATMMenu", "ATM", ""));
  AppendTo(*this, "ATMMenu", NewItem<rt::MenuItem>("ATMAdd20Tokens", "Add 20 Tokens", ""));
}

void MenuBar1::Untitled5() {
  Append(NewItem<rt::AppleMenuItem>("CheckforUpdateMenu", "Check for Update", ""));
  AppendTo(*this, "CheckforUpdateMenu",
           NewItem<rt::MenuItem>("CheckforUpdateCheckNow", "Check Now", ""));
  AppendTo(*this, "CheckforUpdateMenu",
           NewItem<rt::AppleMenuItem>("AppleAboutJolvane", "About...", ""));
}
