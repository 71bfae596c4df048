// Text and number conversions. Texts are UTF-8; positions and lengths count
// characters (code points), not bytes, and positions are 1-based.
//
// Letter case: InStr and text equality are exact. "<currentversion>" does not
// find "<CurrentVersion>", and "yes" does not equal "Yes".
#pragma once

#include <cstdint>
#include <string>

namespace rt {

// Plain decimal text of an integer ("-3", "20"). The int32 overload keeps a
// call with an int from being ambiguous between the other two.
std::string Str(int32_t value);
std::string Str(int64_t value);
// Shortest decimal text of a double that reads back as the same value
// ("1.5", "2", "-0.25").
std::string Str(double value);

// The leading number of the text as a double, after leading blanks (spaces,
// tabs, line breaks): an optional sign, digits, an optional fraction and
// exponent, read the same whatever the locale. 0 when the text does not begin
// with a number ("" and "abc" give 0; "02" gives 2; "1.5abc" gives 1.5; "-3"
// gives -3).
double Val(const std::string& text);

// The 1-based position of the first occurrence of `find` in `text` at or
// after `start`; 0 when absent. A start below 1 searches from the beginning;
// a start past the end finds nothing. An empty `find` is found at `start`
// (clamped to 1) when that lies within the text, else 0.
int32_t InStr(int32_t start, const std::string& text, const std::string& find);
// InStr from the beginning.
int32_t InStr(const std::string& text, const std::string& find);

// `length` characters of `text` from the 1-based `start`. A start below 1
// counts from 1; a start past the end gives the empty text; a negative length
// takes everything from `start` to the end. Never fails.
std::string Mid(const std::string& text, int32_t start, int32_t length);
// Everything from `start` to the end.
std::string Mid(const std::string& text, int32_t start);

// The number of characters in the text.
int32_t Len(const std::string& text);

// The n-th (1-based) field of `text` cut at every `separator`. Empty when n
// is below 1, past the last field, or the separator is empty and n > 1
// (with an empty separator, field 1 is the whole text).
std::string NthField(const std::string& text, const std::string& separator, int32_t n);

}  // namespace rt
