// Reading the update document's elements and comparing its version with the
// running one, as pure functions.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "update/update_document.h"

namespace {

struct ValueCase {
  const char* what;
  std::string source;
  std::string name;
  std::string expected;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
  *os << c.what;
}

class UpdateDocumentValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(UpdateDocumentValue, CutsTheTextBetweenTheTags) {
  const ValueCase& c = GetParam();
  EXPECT_EQ(update::ReturnValue(c.source, c.name), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateDocumentValue,
    ::testing::Values(
        ValueCase{"plain element", "<Free>Yes</Free>", "Free", "Yes"},
        ValueCase{"amid other markup",
                  "<?xml version=\"1.0\"?><update><x>1</x><CurrentVersion>1.2.3</CurrentVersion>"
                  "<y/></update>",
                  "CurrentVersion", "1.2.3"},
        ValueCase{"blanks and line breaks are kept", "<Free> Yes\r\n</Free>", "Free", " Yes\r\n"},
        ValueCase{"markup inside the value is text",
                  "<Description><b>bold</b> &amp; <i>x</i></Description>", "Description",
                  "<b>bold</b> &amp; <i>x</i>"},
        ValueCase{"first start tag and first end tag after it", "<A>1</A><A>2</A>", "A", "1"},
        ValueCase{"an end tag before the start tag is skipped", "</A>junk<A>v</A>", "A", "v"},
        ValueCase{"nested element of the same name", "<A><A>x</A></A>", "A", "<A>x"},
        ValueCase{"empty value", "<A></A>", "A", ""},
        ValueCase{"start tag missing", "0123456789</A>", "A", ""},
        ValueCase{"end tag missing", "abc<A>the rest of the document", "A", ""},
        ValueCase{"start tag ends the document", "text<A>", "A", ""},
        ValueCase{"only an end tag's text inside", "<A</A>", "A", ""},
        ValueCase{"empty document", "", "A", ""},
        ValueCase{"a start tag with attributes is not found", "<A id=\"1\">v</A>", "A", ""},
        ValueCase{"a start tag with a blank is not found", "<A >v</A>", "A", ""},
        ValueCase{"letter case matters", "<free>Yes</free>", "Free", ""},
        ValueCase{"positions count characters, not bytes",
                  "\xC3\xA9\xE2\x82\xAC<A>Gr\xC3\xBC\xC3\x9F"
                  "e \xE2\x82\xAC</A>\xC3\xA9",
                  "A",
                  "Gr\xC3\xBC\xC3\x9F"
                  "e \xE2\x82\xAC"}));

struct VersionCase {
  std::string text;
  int major, minor, bug;
  bool current;
};

void PrintTo(const VersionCase& c, std::ostream* os) {
  *os << '"' << c.text << "\" against " << c.major << '.' << c.minor << '.' << c.bug;
}

class UpdateDocumentVersion : public ::testing::TestWithParam<VersionCase> {};

TEST_P(UpdateDocumentVersion, ComparesThreeFieldsAsNumbers) {
  const VersionCase& c = GetParam();
  EXPECT_EQ(update::IsCurrentVersion(c.text, c.major, c.minor, c.bug), c.current)
      << ::testing::PrintToString(c);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateDocumentVersion,
    ::testing::Values(VersionCase{"1.2.3", 1, 2, 3, true},
                      VersionCase{"1.02.3", 1, 2, 3, true},   // numbers, not text
                      VersionCase{"1.2.3.9", 1, 2, 3, true},  // a fourth field is ignored
                      VersionCase{"1.2", 1, 2, 0, true},      // a missing field reads 0
                      VersionCase{"1", 1, 0, 0, true}, VersionCase{"1.2.03", 1, 2, 3, true},
                      VersionCase{"01.2.3.4.5", 1, 2, 3, true},
                      VersionCase{"1.2.4", 1, 2, 3, false},  // one higher or lower per field
                      VersionCase{"1.2.2", 1, 2, 3, false}, VersionCase{"1.3.3", 1, 2, 3, false},
                      VersionCase{"1.1.3", 1, 2, 3, false}, VersionCase{"2.2.3", 1, 2, 3, false},
                      VersionCase{"0.2.3", 1, 2, 3, false}, VersionCase{"1.2", 1, 2, 3, false},
                      VersionCase{"12.3", 1, 2, 3, false},  // fields are cut at the points
                      VersionCase{"1.23", 1, 2, 3, false}, VersionCase{"1.0.0", 1, 0, 0, true},

                      VersionCase{"1.0.1", 1, 0, 0, false}, VersionCase{"1.1.0", 1, 0, 0, false},
                      VersionCase{"0.9.9", 1, 0, 0, false}, VersionCase{"", 1, 0, 0, false},
                      VersionCase{"x.y.z", 1, 0, 0, false}, VersionCase{"-1.0.0", 1, 0, 0, false}));

}  // namespace
