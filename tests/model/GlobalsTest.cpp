#include <gtest/gtest.h>

#include <string>

#include "framework/Rnd.h"
#include "model/Globals.h"

namespace {
class GlobalsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Globals::CreateArrays();
    Globals::Scenario = "before";
    Globals::AlleleFreq(0) = 0.25;
    Globals::Heritability = -1.0;
    // An empty script: any draw raises.
    RndControl::Script({});
  }
  void TearDown() override {
    RndControl::Unscript();
    Globals::Release();
  }
};

struct FixedScenario {
  Int32 n;
  const char* name;
  double heritability;
};

TEST_F(GlobalsTest, FixedScenariosInstallWithoutDrawing) {
  for (const FixedScenario& c :
       {FixedScenario{1, "Heritability High", 0.9}, FixedScenario{2, "Heritability Medium", 0.5},
        FixedScenario{3, "Heritability Low", 0.1}}) {
    SCOPED_TRACE(c.n);
    Globals::AlleleFreq(0) = 0.25;
    ASSERT_NO_THROW(Globals::setScenario(c.n));
    EXPECT_EQ(Globals::Scenario, c.name);
    EXPECT_EQ(Globals::AlleleFreq(0), 0.5);
    EXPECT_EQ(Globals::Heritability, c.heritability);
  }
}

TEST_F(GlobalsTest, UnknownHeritabilityTakesExactlyOneDraw) {
  RndControl::Script({0.37, 0.99});
  Globals::setScenario(4);
  EXPECT_EQ(Globals::Scenario, "Heritability Unknown");
  EXPECT_EQ(Globals::AlleleFreq(0), 0.5);
  EXPECT_EQ(Globals::Heritability, 0.37);
  EXPECT_EQ(RndControl::Remaining(), 1u);
}

TEST_F(GlobalsTest, OtherNumbersChangeNothing) {
  for (Int32 n : {0, 5, -1, 40}) {
    SCOPED_TRACE(n);
    ASSERT_NO_THROW(Globals::setScenario(n));
    EXPECT_EQ(Globals::Scenario, "before");
    EXPECT_EQ(Globals::AlleleFreq(0), 0.25);
    EXPECT_EQ(Globals::Heritability, -1.0);
  }
}
}  // namespace
