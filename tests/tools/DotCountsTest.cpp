#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/critterSprite.h"
#include "model/wormSprite.h"
#include "tools/DotCounts.h"

namespace {
using Sprites = Array<std::shared_ptr<smartSprite>>;

// A field's sprite list, its entry 0 empty as a field keeps it, with a ladybug of each
// phenotype.
Sprites Bugs(const std::vector<std::string>& phenotypes) {
  Sprites sprites;
  for (const std::string& phenotype : phenotypes) {
    auto bug = std::make_shared<critterSprite>();
    bug->phenotype = phenotype;
    sprites.Append(bug);
  }
  return sprites;
}

TEST(DotCountsTest, CountsTheAdultLadybugsWithinTheDotRangeOnly) {
  Sprites sprites = Bugs({"7", "larva", "14", "15", "0", "-1", "7"});
  sprites.Insert(2, std::make_shared<wormSprite>());
  sprites.Append(std::make_shared<smartSprite>());
  const DotCounts counts = CountDots(sprites);

  std::array<Int32, kMostDots + 1> expected{};
  expected[0] = 1;
  expected[7] = 2;
  expected[14] = 1;
  EXPECT_EQ(counts.count, expected);
  EXPECT_EQ(counts.n, 4);
  EXPECT_EQ(counts.sum, 28);
  EXPECT_EQ(counts.max, 2);
}

TEST(DotCountsTest, MeanAndLargestCountForSmallFields) {
  struct Case {
    std::vector<std::string> bugs;
    const char* mean;
    Int32 top;
  };
  const std::vector<Case> cases{
      {{"6", "7", "7"}, "6.67", 2}, {{"0"}, "0", 1}, {{"larva", "larva"}, "NA", 0}, {{}, "NA", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mean);
    const DotCounts counts = CountDots(Bugs(c.bugs));
    EXPECT_EQ(MeanText(counts), c.mean);
    EXPECT_EQ(counts.max, c.top);
    if (c.top == 0) {
      for (Int32 i = 0; i <= kMostDots; ++i) EXPECT_EQ(BarHeight(counts, i, 100), 0);
    }
  }
}

TEST(DotCountsTest, BarsScaleToTheLargestCountAndDropTheFraction) {
  const DotCounts counts = CountDots(Bugs({"1", "2", "2", "3", "3", "3"}));
  struct Case {
    Int32 dots, tallest, height;
  };
  const Case cases[] = {{3, 100, 100}, {2, 100, 66}, {1, 100, 33},
                        {0, 100, 0},   {2, 50, 33},  {1, 50, 16}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.dots) + " dots, tallest " + std::to_string(c.tallest));
    EXPECT_EQ(BarHeight(counts, c.dots, c.tallest), c.height);
  }
  EXPECT_EQ(MeanText(counts), "2.33");
}
}  // namespace
