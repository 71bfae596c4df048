// Random numbers (bounds included, one seedable generator) and the declared
// file types (registered once, withdrawn by a setter or by their end).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "rt/system.h"
#include "rt/testing/driver.h"

namespace {

TEST(RandomTest, InRangeGivesEveryValueOfTheRangeAndNoOther) {
  struct Case {
    int32_t minimum, maximum;
  } const cases[] = {{1, 10}, {2, 10}, {5, 5}, {-3, 2}, {10, 1}};
  rt::Random random;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.minimum) + ".." + std::to_string(c.maximum));
    const int32_t low = std::min(c.minimum, c.maximum), high = std::max(c.minimum, c.maximum);
    std::set<int32_t> seen;
    for (int i = 0; i < 2000; ++i) {
      const int32_t v = random.InRange(c.minimum, c.maximum);
      ASSERT_GE(v, low);
      ASSERT_LE(v, high);
      seen.insert(v);
    }
    EXPECT_EQ(static_cast<int>(seen.size()), high - low + 1);  // both bounds come up
  }
  const int32_t extreme = random.InRange(INT32_MIN, INT32_MAX);
  (void)extreme;  // the full range must not overflow
}

// All Random objects share the process's generator: one seed repeats the
// sequence, whichever objects draw it.
TEST(RandomTest, SeedRepeatsTheSequenceAcrossObjects) {
  auto draw = [] {
    std::vector<int32_t> values;
    rt::Random a, b;
    for (int i = 0; i < 10; ++i) values.push_back((i % 2 ? a : b).InRange(1, 1000000));
    return values;
  };
  rt::testing::SeedRandom(42);
  const std::vector<int32_t> first = draw();
  rt::testing::SeedRandom(42);
  EXPECT_EQ(draw(), first);
  rt::testing::SeedRandom(43);
  EXPECT_NE(draw(), first);
}

TEST(FileTypeTest, ConvertRegistersOnceWithAllItsValues) {
  {
    rt::FileType text;
    text.SetName("text");
    text.SetExtensions("");
    text.SetMacType("TEXT");
    text.SetMacCreator("R*ch");
    EXPECT_FALSE(text.IsRegistered());
    EXPECT_EQ(text.Convert(), "text");
    EXPECT_EQ(text.Convert(), "text");
    EXPECT_EQ(rt::RegisteredFileTypes(), std::vector<std::string>{"text"});
    const auto records = rt::RegisteredFileTypeRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].macType, "TEXT");
    EXPECT_EQ(records[0].macCreator, "R*ch");
    EXPECT_EQ(records[0].extensions, "");

    // A setter withdraws the registration; the next Convert registers the
    // new values, still once.
    text.SetMacCreator("ttxt");
    EXPECT_FALSE(text.IsRegistered());
    EXPECT_TRUE(rt::RegisteredFileTypes().empty());
    text.Convert();
    ASSERT_EQ(rt::RegisteredFileTypeRecords().size(), 1u);
    EXPECT_EQ(rt::RegisteredFileTypeRecords()[0].macCreator, "ttxt");
  }
  EXPECT_TRUE(rt::RegisteredFileTypes().empty());  // gone with its FileType
}

}  // namespace
