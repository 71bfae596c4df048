// Property lists: writing, reading and applying them.
#include "rt/proplist.h"

#include <map>

#include "rt/controls.h"
#include "rt/core/internal.h"
#include "rt/window.h"

namespace rt {
namespace {

void PutU32(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v >> 24));
  out.push_back(static_cast<char>(v >> 16));
  out.push_back(static_cast<char>(v >> 8));
  out.push_back(static_cast<char>(v));
}

uint32_t GetU32(const std::string& in, size_t at) {
  return (static_cast<uint32_t>(static_cast<uint8_t>(in[at])) << 24) |
         (static_cast<uint32_t>(static_cast<uint8_t>(in[at + 1])) << 16) |
         (static_cast<uint32_t>(static_cast<uint8_t>(in[at + 2])) << 8) |
         static_cast<uint32_t>(static_cast<uint8_t>(in[at + 3]));
}

// Every key the runtime knows, with its form. `Value` depends on the class.
const std::map<std::string, ValueForm>& KeyTable() {
  static const std::map<std::string, ValueForm> table = [] {
    std::map<std::string, ValueForm> t;
    for (const char* k :
         {"Placement", "MinWidth",      "MinHeight",   "MaxWidth",  "MaxHeight", "Frame",
          "MacProcID", "Width",         "Height",      "Index",     "Left",      "Top",
          "TabIndex",  "TabPanelIndex", "BorderWidth", "TextAlign", "Maximum",   "ButtonStyle",
          "Mode",      "Period",        "Port"})
      t[k] = ValueForm::Integer;
    for (const char* k :
         {"Composite",    "HasBackColor",    "FullScreen",     "MenuBarVisible", "CloseButton",
          "Resizeable",   "LiveResize",      "MaximizeButton", "MinimizeButton", "Visible",
          "LockLeft",     "LockTop",         "LockRight",      "LockBottom",     "AutoDeactivate",
          "Enabled",      "TabStop",         "UseFocusRing",   "AcceptFocus",    "AcceptTabs",
          "DoubleBuffer", "EraseBackground", "Bold",           "Italic",         "Underline",
          "Multiline",    "Selectable",      "Transparent",    "Default",        "Cancel",
          "yield"})
      t[k] = ValueForm::Boolean;
    for (const char* k :
         {"BackColor", "FillColor", "TopLeftColor", "BottomRightColor", "TextColor"})
      t[k] = ValueForm::Colour;
    for (const char* k : {"Title", "Name", "HelpTag", "InitialParent", "TextFont", "Caption",
                          "Text", "DataSource", "DataField", "Address"})
      t[k] = ValueForm::Text;
    return t;
  }();
  return table;
}

[[noreturn]] void Fail(const std::string& key, const std::string& what) {
  throw PropertyListError("property list: " + what + " (key \"" + key + "\")");
}

}  // namespace

void PropertyList::Key(const std::string& key) {
  bytes_ += key;
  bytes_.push_back(' ');
}

PropertyList& PropertyList::Int(const std::string& key, int32_t value) {
  Key(key);
  PutU32(bytes_, static_cast<uint32_t>(value));
  return *this;
}

PropertyList& PropertyList::Bool(const std::string& key, bool value) {
  Key(key);
  bytes_.push_back(value ? '\x01' : '\x00');
  return *this;
}

PropertyList& PropertyList::Colour(const std::string& key, Color value) {
  Key(key);
  bytes_.push_back(static_cast<char>(value.red));
  bytes_.push_back(static_cast<char>(value.green));
  bytes_.push_back(static_cast<char>(value.blue));
  return *this;
}

PropertyList& PropertyList::Text(const std::string& key, const std::string& value) {
  Key(key);
  PutU32(bytes_, static_cast<uint32_t>(value.size()));
  bytes_ += value;
  return *this;
}

ValueForm FormOfKey(const std::string& key, const Object& target) {
  if (key == "Value") {
    if (dynamic_cast<const RadioButton*>(&target)) return ValueForm::Boolean;
    if (dynamic_cast<const ProgressBar*>(&target)) return ValueForm::Integer;
    Fail(key, "this kind of object has no such key");
  }
  const auto& table = KeyTable();
  auto it = table.find(key);
  if (it == table.end()) Fail(key, "unknown key");
  return it->second;
}

std::vector<PropertyEntry> ReadPropertyList(const std::string& bytes, const Object& target) {
  std::vector<PropertyEntry> entries;
  const size_t end = bytes.size();
  size_t at = 0;
  while (at < end) {
    size_t blank = at;
    while (blank < end && bytes[blank] != ' ') {
      const char c = bytes[blank];
      const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
      if (!letter) Fail(bytes.substr(at, blank - at), "key holds a byte that is not a letter");
      ++blank;
    }
    std::string key = bytes.substr(at, blank - at);
    if (blank == end) Fail(key, "key not followed by its blank");
    if (key.empty()) Fail(key, "empty key");
    const ValueForm form = FormOfKey(key, target);
    at = blank + 1;
    const size_t left = end - at;
    PropertyEntry entry{key, PropertyValue{}};
    switch (form) {
      case ValueForm::Integer:
        if (left < 4) Fail(key, "integer value cut short");
        entry.value = static_cast<int32_t>(GetU32(bytes, at));
        at += 4;
        break;
      case ValueForm::Boolean: {
        if (left < 1) Fail(key, "boolean value cut short");
        const auto b = static_cast<uint8_t>(bytes[at]);
        if (b > 1) Fail(key, "boolean byte other than 0 or 1");
        entry.value = (b == 1);
        at += 1;
        break;
      }
      case ValueForm::Colour:
        if (left < 3) Fail(key, "colour value cut short");
        entry.value = Color{static_cast<uint8_t>(bytes[at]), static_cast<uint8_t>(bytes[at + 1]),
                            static_cast<uint8_t>(bytes[at + 2])};
        at += 3;
        break;
      case ValueForm::Text: {
        if (left < 4) Fail(key, "text length cut short");
        const uint64_t n = GetU32(bytes, at);
        if (n > left - 4) Fail(key, "text value cut short");
        entry.value = bytes.substr(at + 4, static_cast<size_t>(n));
        at += 4 + static_cast<size_t>(n);
        break;
      }
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

void SetProperties(const Ref<Object>& target, const std::string& bytes) {
  Object& object = *target;  // nil raises NilObjectException
  if (const auto& listen = core::CurrentListeners().properties) listen(object, bytes);
  // The whole list is read before anything is applied: a malformed list
  // changes nothing.
  const std::vector<PropertyEntry> entries = ReadPropertyList(bytes, object);
  if (auto* window = dynamic_cast<Window*>(&object)) {
    for (const auto& e : entries) window->ApplyProperty(e.key, e.value);
  } else if (auto* control = dynamic_cast<Control*>(&object)) {
    for (const auto& e : entries) control->ApplyProperty(e.key, e.value);
    // What depends on several keys, whatever their order in the list (a radio
    // button's group is known only once its parent is).
    control->ListApplied();
  } else {
    throw RuntimeException("property list applied to an object that takes no properties");
  }
}

}  // namespace rt
