#include "update/update_document.h"

#include <cstdint>

#include "rt/text.h"

namespace update {

std::string StartTag(const std::string& name) {
  return "<" + name + ">";
}

std::string EndTag(const std::string& name) {
  return "</" + name + ">";
}

std::string ReturnValue(const std::string& source, const std::string& name) {
  const std::string start = StartTag(name);
  const int32_t startPos = rt::InStr(0, source, start);
  // Without this test a missing tag would cut an arbitrary piece of the
  // document (from character Len(start), or to its end).
  if (startPos == 0) return std::string();
  const int64_t begin = int64_t{startPos} + rt::Len(start);
  if (begin > rt::Len(source)) return std::string();
  const int32_t endPos = rt::InStr(static_cast<int32_t>(begin), source, EndTag(name));
  if (endPos == 0) return std::string();
  return rt::Mid(source, static_cast<int32_t>(begin), static_cast<int32_t>(endPos - begin));
}

bool IsCurrentVersion(const std::string& versionText, int32_t major, int32_t minor, int32_t bug) {
  const int32_t running[] = {major, minor, bug};
  for (int32_t field = 1; field <= 3; ++field) {
    if (rt::Val(rt::NthField(versionText, ".", field)) != static_cast<double>(running[field - 1]))
      return false;
  }
  return true;
}

}  // namespace update
