// Fuzz target for the update-document reader and the version comparison:
// the input is a reply from the network, so nothing in it may crash the
// reader, and a value that is found must sit between its two tags.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "update/update_document.h"

namespace {

// Only for well-formed UTF-8 is the place of a value checked: the runtime's
// text functions count characters, and how they read broken bytes is theirs.
bool ValidUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char lead = static_cast<unsigned char>(s[i]);
    size_t follow = 0;
    if (lead >= 0xF0 && lead <= 0xF4) {
      follow = 3;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      follow = 2;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      follow = 1;
    } else if (lead >= 0x80) {
      return false;
    }
    if (s.size() - i <= follow) return false;
    for (size_t k = 1; k <= follow; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += follow + 1;
  }
  return true;
}

void Check(const std::string& source, const std::string& name, bool checkPlace) {
  const std::string value = update::ReturnValue(source, name);
  if (checkPlace && !value.empty()) {
    const std::string start = update::StartTag(name);
    const std::string whole = start + value + update::EndTag(name);
    // The value begins right after the first start tag.
    if (source.find(whole) != source.find(start)) std::abort();
  }
  update::IsCurrentVersion(value, 1, 0, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const bool utf8 = ValidUtf8(input);
  for (const char* name : {"CurrentVersion", "Description", "Free"}) Check(input, name, utf8);

  // The first line names an element of its own, so that short names, names
  // holding "<" or ">" and the empty name are tried as well.
  const size_t cut = input.find('\n');
  if (cut != std::string::npos) {
    Check(input.substr(cut + 1), input.substr(0, cut), utf8);
  }

  // The comparison on the raw input, against running numbers taken from it.
  uint32_t running[3] = {0, 0, 0};
  for (size_t i = 0; i < 12 && i < size; ++i) running[i / 4] = (running[i / 4] << 8) | data[i];
  update::IsCurrentVersion(input, static_cast<int32_t>(running[0]),
                           static_cast<int32_t>(running[1]), static_cast<int32_t>(running[2]));
  return 0;
}
