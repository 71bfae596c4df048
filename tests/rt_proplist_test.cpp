// Property lists: the byte encoding, reading entry by entry by the key's
// form, rejecting malformed lists, and applying entries in list order.
#include <gtest/gtest.h>

#include <string>

#include "rt/rt.h"
#include "rt/testing/driver.h"

namespace {

using rt::PropertyList;
using rt::PropertyListError;
using rt::PropertyValue;
using rt::Ref;

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s.push_back(static_cast<char>(v));
  return s;
}

// A window of our own for the controls to live in.
class HostWindow : public rt::Window {
 public:
  HostWindow() : rt::Window("HostWindow.HostWindow") {}
};

// A non-visual control of our own: takes the keys a timer's list carries.
class Ticker : public rt::PaneChild {
 public:
  int32_t mode = -1, period = -1;
  void ApplyProperty(const std::string& key, const PropertyValue& value) override {
    if (key == "Mode") {
      mode = std::get<int32_t>(value);
    } else if (key == "Period") {
      period = std::get<int32_t>(value);
    } else {
      rt::PaneChild::ApplyProperty(key, value);
    }
  }
};

class PropertyListTest : public ::testing::Test {
 protected:
  void SetUp() override { rt::testing::Reset(); }
  void TearDown() override { rt::testing::ResetRuntime(); }

  template <class T>
  Ref<T> Make(const std::string& name) {
    Ref<T> control = window->New<T>();
    control->Constructor();
    window->AddControl(name, control);
    return control;
  }

  Ref<HostWindow> window = rt::RuntimeNewObject<HostWindow>();
};

TEST(PropertyListEncoding, EntriesHaveTheExactBytes) {
  struct Case {
    const char* what;
    PropertyList list;
    std::string bytes;
  };
  const Case cases[] = {
      {"Left 68", PropertyList().Int("Left", 68),
       Bytes({0x4C, 0x65, 0x66, 0x74, 0x20, 0, 0, 0, 0x44})},
      {"Visible True", PropertyList().Bool("Visible", true), std::string("Visible ") + '\x01'},
      {"Visible False", PropertyList().Bool("Visible", false), std::string("Visible ") + '\x00'},
      {"Name Rectangle1", PropertyList().Text("Name", "Rectangle1"),
       std::string("Name ") + Bytes({0, 0, 0, 0x0A}) + "Rectangle1"},
      {"empty text", PropertyList().Text("HelpTag", ""),
       std::string("HelpTag ") + Bytes({0, 0, 0, 0})},
      {"Index none", PropertyList().Int("Index", rt::kNoIndex),
       std::string("Index ") + Bytes({0x80, 0, 0, 0})},
      {"negative", PropertyList().Int("Left", -2),
       std::string("Left ") + Bytes({0xFF, 0xFF, 0xFF, 0xFE})},
      {"colour", PropertyList().Colour("TextColor", rt::RGB(0x3B50FF)),
       std::string("TextColor ") + Bytes({0x3B, 0x50, 0xFF})},
      {"entries follow one another", PropertyList().Int("Mode", 0).Int("Period", 1500),
       std::string("Mode ") + Bytes({0, 0, 0, 0}) + "Period " + Bytes({0, 0, 0x05, 0xDC})},
  };
  for (const Case& c : cases) EXPECT_EQ(c.list.bytes(), c.bytes) << c.what;
}

TEST_F(PropertyListTest, TextWithBlanksIsOneEntry) {
  const std::string text = "To play, set your wager and click on handle or click on the space bar.";
  auto label = Make<rt::Label>("StaticText4");
  const PropertyList list =
      PropertyList().Text("Text", text).Int("TextAlign", 1).Bool("Multiline", true);
  const auto entries = rt::ReadPropertyList(list.bytes(), *label);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].key, "Text");
  EXPECT_EQ(std::get<std::string>(entries[0].value), text);
  EXPECT_EQ(entries[1].key, "TextAlign");
  EXPECT_EQ(std::get<int32_t>(entries[1].value), 1);
  EXPECT_EQ(entries[2].key, "Multiline");
  EXPECT_TRUE(std::get<bool>(entries[2].value));

  rt::SetProperties(label, list);
  EXPECT_EQ(label->Text(), text);
}

TEST_F(PropertyListTest, TimerListIsTwentyBytesOfModeAndPeriod) {
  const PropertyList list = PropertyList().Int("Mode", 0).Int("Period", 1500);
  EXPECT_EQ(list.size(), 20u);
  auto ticker = window->New<Ticker>();
  window->AddControl("Timer1", ticker);
  rt::SetProperties(ticker, list);
  EXPECT_EQ(ticker->mode, 0);
  EXPECT_EQ(ticker->period, 1500);
}

TEST_F(PropertyListTest, ValueIsOneByteOnARadioButtonAndFourOnAProgressBar) {
  auto radio = Make<rt::RadioButton>("RadioButton1");
  auto bar = Make<rt::ProgressBar>("ProgressBar1");
  EXPECT_EQ(rt::FormOfKey("Value", *radio), rt::ValueForm::Boolean);
  EXPECT_EQ(rt::FormOfKey("Value", *bar), rt::ValueForm::Integer);

  // The same bytes read differently: a boolean leaves the next entry where
  // it stands; an integer swallows it.
  const std::string radioList = PropertyList().Bool("Value", true).Text("Caption", "1").bytes();
  const auto radioEntries = rt::ReadPropertyList(radioList, *radio);
  ASSERT_EQ(radioEntries.size(), 2u);
  EXPECT_TRUE(std::get<bool>(radioEntries[0].value));
  EXPECT_EQ(std::get<std::string>(radioEntries[1].value), "1");
  EXPECT_THROW(rt::ReadPropertyList(radioList, *bar), PropertyListError);

  const std::string barList = PropertyList().Int("Value", 7).Int("Maximum", 100).bytes();
  const auto barEntries = rt::ReadPropertyList(barList, *bar);
  ASSERT_EQ(barEntries.size(), 2u);
  EXPECT_EQ(std::get<int32_t>(barEntries[0].value), 7);
  EXPECT_EQ(std::get<int32_t>(barEntries[1].value), 100);

  rt::SetProperties(radio, radioList);
  EXPECT_TRUE(radio->Value());
  rt::SetProperties(bar, barList);
  EXPECT_EQ(bar->Value(), 7);

  auto label = Make<rt::Label>("StaticText1");
  EXPECT_THROW(rt::FormOfKey("Value", *label), PropertyListError);
}

TEST_F(PropertyListTest, MalformedListsAreRejectedNamingTheKey) {
  auto label = Make<rt::Label>("StaticText1");
  struct Case {
    const char* what;
    std::string bytes;
    const char* key;
  };
  const std::string left = PropertyList().Int("Left", 68).bytes();
  const std::string name = PropertyList().Text("Name", "Rectangle1").bytes();
  const Case cases[] = {
      {"integer cut short", left.substr(0, left.size() - 1), "Left"},
      {"integer missing", "Left ", "Left"},
      {"boolean missing", PropertyList().Int("Top", 1).bytes() + "Bold ", "Bold"},
      {"boolean byte 2", std::string("Bold ") + '\x02', "Bold"},
      {"colour cut short", std::string("TextColor ") + Bytes({1, 2}), "TextColor"},
      {"text count cut short", std::string("Text ") + Bytes({0, 0}), "Text"},
      {"text shorter than its count", name.substr(0, name.size() - 3), "Name"},
      {"text count near 4 GB", std::string("Text ") + Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "abc",
       "Text"},
      {"unknown key", PropertyList().Int("Left", 1).Int("Wobble", 3).bytes(), "Wobble"},
      {"key case matters", PropertyList().Bool("Yield", true).bytes(), "Yield"},
      {"key without its blank", left + "Top", "Top"},
      {"key not of letters", std::string("Le-ft ") + Bytes({0, 0, 0, 1}), "Le"},
  };
  for (const Case& c : cases) {
    try {
      rt::ReadPropertyList(c.bytes, *label);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const PropertyListError& e) {
      EXPECT_NE(std::string(e.what()).find(std::string("\"") + c.key), std::string::npos)
          << c.what << ": " << e.what();
    }
  }
}

TEST_F(PropertyListTest, MalformedListChangesNothing) {
  auto label = Make<rt::Label>("StaticText1");
  rt::SetProperties(label, PropertyList().Text("Text", "before"));
  const std::string list = PropertyList().Text("Text", "after").bytes() + "Bold ";
  EXPECT_THROW(rt::SetProperties(label, list), PropertyListError);
  EXPECT_EQ(label->Text(), "before");
}

TEST_F(PropertyListTest, EntriesApplyInListOrder) {
  auto rect = Make<rt::Rectangle>("Rectangle1");
  rt::SetProperties(
      rect,
      PropertyList().Int("Left", 10).Int("Left", 30).Bool("Visible", false).Bool("Visible", true));
  EXPECT_EQ(rect->Left(), 30);
  EXPECT_TRUE(rect->Visible());
}

TEST_F(PropertyListTest, KeysNothingReliesOnAreAccepted) {
  auto canvas = Make<rt::Canvas>("Canvas1");
  const PropertyList list = PropertyList()
                                .Text("Name", "Canvas1")
                                .Int("Index", rt::kNoIndex)
                                .Bool("LockLeft", false)
                                .Bool("LockBottom", false)
                                .Int("TabPanelIndex", 0)
                                .Int("TabIndex", 3)
                                .Bool("TabStop", true)
                                .Text("HelpTag", "")
                                .Bool("AutoDeactivate", true)
                                .Bool("UseFocusRing", true)
                                .Bool("AcceptFocus", true)
                                .Bool("AcceptTabs", false)
                                .Bool("DoubleBuffer", false)
                                .Bool("EraseBackground", true);
  EXPECT_NO_THROW(rt::SetProperties(canvas, list));

  EXPECT_NO_THROW(rt::SetProperties(window, PropertyList()
                                                .Int("Placement", 0)
                                                .Int("MinWidth", 64)
                                                .Int("MaxHeight", 32000)
                                                .Int("Frame", 0)
                                                .Bool("Composite", false)
                                                .Bool("HasBackColor", true)
                                                .Bool("FullScreen", false)
                                                .Bool("MenuBarVisible", true)
                                                .Bool("LiveResize", false)
                                                .Int("MacProcID", 0)));
}

TEST_F(PropertyListTest, AKindRejectsAKeyOfAnotherKind) {
  auto label = Make<rt::Label>("StaticText1");
  try {
    rt::SetProperties(label, PropertyList().Colour("FillColor", rt::RGB(0)));
    ADD_FAILURE() << "a label took FillColor";
  } catch (const PropertyListError& e) {
    EXPECT_NE(std::string(e.what()).find("FillColor"), std::string::npos);
  }
  EXPECT_THROW(rt::SetProperties(window, PropertyList().Int("Left", 3)), PropertyListError);
}

TEST_F(PropertyListTest, NilTargetRaisesNilObject) {
  EXPECT_THROW(rt::SetProperties(Ref<rt::Object>(), PropertyList().Int("Left", 1)),
               rt::NilObjectException);
}

TEST_F(PropertyListTest, WindowListSetsTitleSizeAndFlags) {
  rt::SetProperties(window, PropertyList()
                                .Int("Width", 453)
                                .Int("Height", 567)
                                .Colour("BackColor", rt::RGB(0xFFFFFF))
                                .Text("Title", "Jolvane")
                                .Bool("CloseButton", true)
                                .Bool("Resizeable", false)
                                .Bool("MaximizeButton", false)
                                .Bool("MinimizeButton", true));
  EXPECT_EQ(window->Width(), 453);
  EXPECT_EQ(window->Height(), 567);
  EXPECT_EQ(window->Title(), "Jolvane");
  EXPECT_FALSE(window->Resizeable());
  EXPECT_FALSE(window->MaximizeButton());
}

}  // namespace
