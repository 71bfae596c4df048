// Text and number conversions on UTF-8 text, counted in characters.
#include "rt/text.h"

#include <locale.h>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace rt {
namespace {

// One character of a text: where its bytes start and how many there are.
struct CharSpan {
  size_t begin;
  size_t size;
};

// The length of the valid UTF-8 sequence at `i`, or 0 when the byte there
// does not start one (then that byte is a character of its own).
size_t SequenceLength(std::string_view s, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  size_t n = 0;
  uint32_t cp = 0;
  if ((lead & 0xE0) == 0xC0) {
    n = 2;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    n = 3;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    n = 4;
    cp = lead & 0x07;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not valid.
  static constexpr uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

std::vector<CharSpan> Characters(std::string_view s) {
  std::vector<CharSpan> chars;
  chars.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    size_t n = SequenceLength(s, i);
    if (n == 0) n = 1;
    chars.push_back({i, n});
    i += n;
  }
  return chars;
}

bool SameChar(std::string_view a, const CharSpan& ca, std::string_view b, const CharSpan& cb) {
  return a.substr(ca.begin, ca.size) == b.substr(cb.begin, cb.size);
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads a decimal number without the locale's decimal point getting in.
double ParseDecimal(const std::string& token) {
  static locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  if (c_locale) return strtod_l(token.c_str(), nullptr, c_locale);
  double value = 0;
  std::from_chars(token.data(), token.data() + token.size(), value);
  return value;
}

}  // namespace

std::string Str(int32_t value) {
  return std::to_string(value);
}
std::string Str(int64_t value) {
  return std::to_string(value);
}

std::string Str(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

double Val(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  const size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  // An exponent counts only with at least one digit: "1e" is 1.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return ParseDecimal(text.substr(start, i - start));
}

int32_t InStr(int32_t start, const std::string& text, const std::string& find) {
  const std::vector<CharSpan> hay = Characters(text);
  const std::vector<CharSpan> needle = Characters(find);
  const size_t from = start < 1 ? 0 : static_cast<size_t>(start) - 1;
  if (from >= hay.size()) return 0;
  if (needle.empty()) return static_cast<int32_t>(from + 1);
  if (needle.size() > hay.size()) return 0;
  for (size_t i = from; i + needle.size() <= hay.size(); ++i) {
    size_t k = 0;
    while (k < needle.size() && SameChar(text, hay[i + k], find, needle[k])) ++k;
    if (k == needle.size()) return static_cast<int32_t>(i + 1);
  }
  return 0;
}

int32_t InStr(const std::string& text, const std::string& find) {
  return InStr(1, text, find);
}

std::string Mid(const std::string& text, int32_t start, int32_t length) {
  const std::vector<CharSpan> chars = Characters(text);
  const size_t from = start < 1 ? 0 : static_cast<size_t>(start) - 1;
  if (from >= chars.size() || length == 0) return {};
  size_t to = chars.size();
  if (length > 0 && static_cast<size_t>(length) < chars.size() - from) to = from + length;
  const size_t beginByte = chars[from].begin;
  const size_t endByte = to == chars.size() ? text.size() : chars[to].begin;
  return text.substr(beginByte, endByte - beginByte);
}

std::string Mid(const std::string& text, int32_t start) {
  return Mid(text, start, -1);
}

int32_t Len(const std::string& text) {
  int32_t count = 0;
  for (size_t i = 0; i < text.size(); ++count) {
    const size_t n = SequenceLength(text, i);
    i += n == 0 ? 1 : n;
  }
  return count;
}

std::string NthField(const std::string& text, const std::string& separator, int32_t n) {
  if (n < 1) return {};
  if (separator.empty()) return n == 1 ? text : std::string();
  // Cut where a separator begins on a character boundary, so that a stray
  // byte of a broken text never splits a character.
  const std::vector<CharSpan> hay = Characters(text);
  const std::vector<CharSpan> needle = Characters(separator);
  int32_t field = 1;
  size_t fieldBegin = 0;
  for (size_t i = 0; i + needle.size() <= hay.size();) {
    size_t k = 0;
    while (k < needle.size() && SameChar(text, hay[i + k], separator, needle[k])) ++k;
    if (k < needle.size()) {
      ++i;
      continue;
    }
    if (field == n) return text.substr(fieldBegin, hay[i].begin - fieldBegin);
    ++field;
    i += needle.size();
    fieldBegin = i < hay.size() ? hay[i].begin : text.size();
  }
  return field == n ? text.substr(fieldBegin) : std::string();
}

}  // namespace rt
