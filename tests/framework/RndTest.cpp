#include <gtest/gtest.h>

#include <vector>

#include "framework/Rnd.h"

namespace {
// Every test leaves the generator unscripted.
class RndTest : public ::testing::Test {
 protected:
  void TearDown() override { RndControl::Unscript(); }
};

TEST_F(RndTest, AScriptIsReturnedInOrderThenRaisesWhenExhausted) {
  const std::uint64_t before = RndControl::DrawCount();
  RndControl::Script({0.25, 0.0, 0.999});
  EXPECT_EQ(RndControl::Remaining(), 3u);
  EXPECT_EQ(Rnd(), 0.25);
  EXPECT_EQ(Rnd(), 0.0);
  EXPECT_EQ(RndControl::Remaining(), 1u);
  EXPECT_EQ(Rnd(), 0.999);
  EXPECT_EQ(RndControl::Remaining(), 0u);
  EXPECT_THROW(Rnd(), RndScriptExhausted);
  EXPECT_EQ(RndControl::DrawCount(), before + 3);

  RndControl::Script({0.5});
  EXPECT_EQ(Rnd(), 0.5);
  RndControl::Unscript();
  EXPECT_EQ(RndControl::Remaining(), 0u);
  Rnd();
  EXPECT_EQ(RndControl::DrawCount(), before + 5);
}

TEST_F(RndTest, ASeedRepeatsItsSequence) {
  RndControl::Seed(2024);
  std::vector<double> first;
  for (int i = 0; i < 20; ++i) first.push_back(Rnd());
  RndControl::Seed(2024);
  std::vector<double> again;
  for (int i = 0; i < 20; ++i) again.push_back(Rnd());
  EXPECT_EQ(first, again);
  RndControl::Seed(2025);
  EXPECT_NE(Rnd(), first[0]);
}

TEST_F(RndTest, DrawsAreInTheUnitIntervalAndSpreadOverIt) {
  RndControl::Seed(7);
  int tenths[10] = {};
  for (int i = 0; i < 100000; ++i) {
    const double r = Rnd();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    ++tenths[static_cast<int>(r * 10)];
  }
  for (int count : tenths) {
    EXPECT_GT(count, 9500);
    EXPECT_LT(count, 10500);
  }
}
}  // namespace
