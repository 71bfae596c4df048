// The string functions, one table per function: the cases the update
// document's reading and the bankroll figure depend on, and the edges that
// must never fail (start 0, negative lengths, fields past the end, broken
// UTF-8).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "rt/text.h"

namespace {

struct InStrCase {
  int32_t start;
  std::string text, find;
  int32_t expected;
};

TEST(TextTest, InStr) {
  const InStrCase cases[] = {
      {0, "abcabc", "c", 3},   // start 0 searches from the beginning
      {-5, "abcabc", "c", 3},  // so does any start below 1
      {1, "abcabc", "c", 3},
      {4, "abcabc", "c", 6},  // at or after start
      {3, "abcabc", "c", 3},  // a match at start itself counts
      {7, "abcabc", "c", 0},  // start past the end finds nothing
      {0, "abc", "x", 0},
      {0, "abc", "abcd", 0},  // longer than the text
      {0, "", "a", 0},
      {2, "abc", "", 2},  // empty find: at start within the text
      {0, "abc", "", 1},
      {4, "abc", "", 0},
      {0, "", "", 0},
      // Exact case: the tag search does not find another spelling.
      {0, "<CurrentVersion>1.2</CurrentVersion>", "<currentversion>", 0},
      {0, "xx<CurrentVersion>1.2</CurrentVersion>", "<CurrentVersion>", 3},
      {0, "aAa", "A", 2},
      // Positions count characters, not bytes.
      {0, "\xC3\xA9t\xC3\xA9", "t", 2},  // "été"
      {2, "\xC3\xA9t\xC3\xA9", "\xC3\xA9", 3},
      {0, "\xE2\x82\xAC<a>", "<a>", 2},  // "€<a>"
      // A broken byte is one character and never matches inside another.
      {0,
       "\xFF"
       "a",
       "a", 2},
      {0, "\xC3\xA9", "\xA9", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(rt::InStr(c.start, c.text, c.find), c.expected)
        << "InStr(" << c.start << ", \"" << c.text << "\", \"" << c.find << "\")";
  }
  EXPECT_EQ(rt::InStr("hello", "l"), 3);
}

struct MidCase {
  std::string text;
  int32_t start, length;
  std::string expected;
};

TEST(TextTest, Mid) {
  const MidCase cases[] = {
      {"abcdef", 2, 3, "bcd"},
      {"abcdef", 1, 6, "abcdef"},
      {"abcdef", 4, 100, "def"},  // a length past the end stops there
      {"abcdef", 3, -1, "cdef"},  // a negative length takes the rest
      {"abcdef", 3, -99, "cdef"},
      {"abcdef", 3, 0, ""},
      {"abcdef", 7, 2, ""},  // start past the end: empty
      {"abcdef", 1000, -1, ""},
      {"abcdef", 0, 2, "ab"},  // a start below 1 counts from 1
      {"abcdef", -3, 2, "ab"},
      {"", 1, 5, ""},
      {"\xC3\xA9t\xC3\xA9", 2, 2, "t\xC3\xA9"},  // characters, not bytes
      {"\xFF\xFEz", 2, 1, "\xFE"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(rt::Mid(c.text, c.start, c.length), c.expected)
        << "Mid(\"" << c.text << "\", " << c.start << ", " << c.length << ")";
  }
  EXPECT_EQ(rt::Mid("abcdef", 3), "cdef");
}

// The update document's value cut, with tags present and missing, as the
// update window does it from InStr, Len and Mid.
TEST(TextTest, TagCutWithMissingTagsNeverFails) {
  const auto cut = [](const std::string& source, const std::string& name) {
    const std::string open = "<" + name + ">", close = "</" + name + ">";
    const int32_t begin = rt::InStr(0, source, open) + rt::Len(open);
    const int32_t end = rt::InStr(begin, source, close);
    return rt::Mid(source, begin, end - begin);
  };
  EXPECT_EQ(cut("<a><Free>Yes</Free></a>", "Free"), "Yes");
  EXPECT_EQ(cut("<Free>Yes", "Free"), "Yes");     // no end tag: the rest
  EXPECT_EQ(cut("0123456789", "Free"), "56789");  // no start tag: from character Len(tag)
  EXPECT_EQ(cut("", "Free"), "");
}

TEST(TextTest, Len) {
  const std::pair<std::string, int32_t> cases[] = {
      {"", 0},
      {"abc", 3},
      {"\xC3\xA9t\xC3\xA9", 3},
      {"\xF0\x9F\x8E\xB0", 1},
      {"\xFF\xFE", 2},      // broken bytes count one each
      {"\xC3", 1},          // a cut-off sequence
      {"\xE0\x80\x80", 3},  // an overlong form is not a character
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(rt::Len(text), expected) << text;
}

struct FieldCase {
  std::string text, separator;
  int32_t n;
  std::string expected;
};

TEST(TextTest, NthField) {
  const FieldCase cases[] = {
      {"1.2.3", ".", 1, "1"}, {"1.2.3", ".", 2, "2"},    {"1.2.3", ".", 3, "3"},
      {"1.2.3", ".", 4, ""},  // past the last field
      {"1.2", ".", 3, ""},    {"1.2.3", ".", 0, ""},     {"1.2.3", ".", -1, ""},
      {"1..3", ".", 2, ""},  // an empty field between two separators
      {"1..3", ".", 3, "3"},  {".2", ".", 1, ""},        {"1.", ".", 2, ""},
      {"abc", ".", 1, "abc"},                             // no separator: field 1 is the whole text
      {"", ".", 1, ""},       {"a::b::c", "::", 2, "b"},  // a separator of several characters
      {"aXbxc", "x", 2, "c"},                             // exact case
      {"abc", "", 1, "abc"},  {"abc", "", 2, ""},        {"\xC3\xA9.\xC3\xA0", ".", 2, "\xC3\xA0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(rt::NthField(c.text, c.separator, c.n), c.expected)
        << "NthField(\"" << c.text << "\", \"" << c.separator << "\", " << c.n << ")";
  }
}

TEST(TextTest, Val) {
  const std::pair<std::string, double> cases[] = {
      {"02", 2},      {"1.5abc", 1.5}, {"", 0},     {"-3", -3},  {"abc", 0},
      {"  7", 7},     {"\n1", 1},      {"+4", 4},   {"-", 0},    {".5", 0.5},
      {"1.", 1},      {"1e3", 1000},   {"1e", 1},   {"2e+x", 2}, {"-0.25", -0.25},
      {"3.9.1", 3.9}, {"1,5", 1},      {"0x10", 0}, {"inf", 0},  {"20", 20},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(rt::Val(text), expected) << text;
  EXPECT_TRUE(std::isinf(rt::Val("1e999")));
}

TEST(TextTest, Str) {
  EXPECT_EQ(rt::Str(20), "20");
  EXPECT_EQ(rt::Str(-3), "-3");
  EXPECT_EQ(rt::Str(int64_t{-9000000000}), "-9000000000");
  EXPECT_EQ(rt::Str(1.5), "1.5");
  EXPECT_EQ(rt::Str(2.0), "2");
  EXPECT_EQ(rt::Str(-0.25), "-0.25");
  EXPECT_EQ(rt::Val(rt::Str(0.1)), 0.1);  // reads back as the same value
}

}  // namespace
