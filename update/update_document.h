// Reading the update document and comparing its version with the running
// one. Pure functions on the runtime's text functions, so that the fuzz
// target can drive them without any window.
#pragma once

#include <cstdint>
#include <string>

namespace update {

// "<name>" and "</name>".
std::string StartTag(const std::string& name);
std::string EndTag(const std::string& name);

// The text between the first start tag of the element and the first end tag
// after it, unchanged. A missing start or end tag gives the empty text.
std::string ReturnValue(const std::string& source, const std::string& name);

// True when the first three fields of `versionText` (cut at ".", read as
// numbers, a missing field reading 0) equal major, minor and bug. Anything
// after the third field is ignored.
bool IsCurrentVersion(const std::string& versionText, int32_t major, int32_t minor, int32_t bug);

}  // namespace update
