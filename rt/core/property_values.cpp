// The value of a property-list entry, read in the form its key calls for
// (rt/core/internal.h). ReadPropertyList has already given each value the
// form the key table names; these helpers raise PropertyListError when a
// control's ApplyProperty expects another form for the key.
#include <string>
#include <variant>

#include "rt/core/internal.h"
#include "rt/proplist.h"

namespace rt::core {
namespace {

template <class T>
const T& Get(const std::string& key, const PropertyValue& value, const char* form) {
  if (const T* v = std::get_if<T>(&value)) return *v;
  throw PropertyListError(std::string("property list: key \"") + key + "\" takes " + form);
}

}  // namespace

int32_t AsInt(const std::string& key, const PropertyValue& value) {
  return Get<int32_t>(key, value, "an integer");
}
bool AsBool(const std::string& key, const PropertyValue& value) {
  return Get<bool>(key, value, "a boolean");
}
Color AsColour(const std::string& key, const PropertyValue& value) {
  return Get<Color>(key, value, "a colour");
}
const std::string& AsText(const std::string& key, const PropertyValue& value) {
  return Get<std::string>(key, value, "a text");
}

}  // namespace rt::core
