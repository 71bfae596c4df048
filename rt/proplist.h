// Property lists: a window's or a control's initial properties as one byte
// string. Each entry is the key in ASCII letters, one blank (0x20) and the
// value in the form the key calls for:
//   integer  4 bytes, signed 32-bit, big-endian
//   boolean  1 byte, 0 or 1
//   colour   3 bytes, red, green, blue
//   text     4-byte big-endian unsigned byte count, then that many UTF-8 bytes
// There is no header, count or terminator; entries follow one another.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "rt/object.h"

namespace rt {

struct Color {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

// A colour from 0xRRGGBB.
constexpr Color RGB(uint32_t rgb) {
  return Color{static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
               static_cast<uint8_t>(rgb)};
}

enum class ValueForm { Integer, Boolean, Colour, Text };

using PropertyValue = std::variant<int32_t, bool, Color, std::string>;

// Raised for a list that cannot be read: a key the runtime does not know, a
// key not followed by its blank, a value cut short by the end of the list, a
// boolean byte other than 0 or 1. The message names the key.
class PropertyListError : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

// Writes a list entry by entry, in the order of the calls.
class PropertyList {
 public:
  PropertyList& Int(const std::string& key, int32_t value);
  PropertyList& Bool(const std::string& key, bool value);
  PropertyList& Colour(const std::string& key, Color value);
  PropertyList& Text(const std::string& key, const std::string& value);

  const std::string& bytes() const { return bytes_; }
  size_t size() const { return bytes_.size(); }

 private:
  void Key(const std::string& key);
  std::string bytes_;
};

// Index value of a control that is not a member of a control array.
inline constexpr int32_t kNoIndex = INT32_MIN;

struct PropertyEntry {
  std::string key;
  PropertyValue value;
};

// The form of a key's value on an object of the given class. `Value` is a
// boolean on a RadioButton and an integer on a ProgressBar. Raises
// PropertyListError for a key the runtime does not know on that object.
ValueForm FormOfKey(const std::string& key, const Object& target);

// Reads a whole list for the given object, entry by entry, never past its
// end. Raises PropertyListError on a malformed list.
std::vector<PropertyEntry> ReadPropertyList(const std::string& bytes, const Object& target);

// Applies every entry of the list to a window or control, in list order.
// Keys that the runtime accepts but nothing relies on are read and ignored.
void SetProperties(const Ref<Object>& target, const std::string& bytes);
inline void SetProperties(const Ref<Object>& target, const PropertyList& list) {
  SetProperties(target, list.bytes());
}

}  // namespace rt
