#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/Angles.h"
#include "model/Globals.h"
#include "model/wormSprite.h"
#include "tests/model/FieldFixture.h"

namespace {
using CritterSpriteTest = FieldFixture;

TEST_F(CritterSpriteTest, PrepareSetsUpALarvaFromFourDraws) {
  critterSprite bug;
  bug.age = 99;
  bug.exposed = true;
  WithDraws({0.5, 0.2, 0.25, 0.75}, [&] { bug.prepare(Field(0)); });
  EXPECT_EQ(bug.age, 0);
  EXPECT_DOUBLE_EQ(bug.direction, 0.5 * kPi);
  EXPECT_FALSE(bug.exposed);
  ASSERT_NE(bug.iBaby, nullptr);
  ASSERT_NE(bug.iAdult, nullptr);
  EXPECT_EQ(bug.iBaby->Width(), 11);
  EXPECT_EQ(bug.iBaby->Height(), 11);
  EXPECT_EQ(bug.iAdult->Width(), 13);
  EXPECT_EQ(bug.iAdult->Height(), 13);
  EXPECT_EQ(bug.iBaby->Pixel(5, 5), CMY(0.2, 1.0, 1.0));
  EXPECT_EQ(bug.iAdult->Pixel(6, 6), CMY(0.2, 1.0, 1.0));
  EXPECT_EQ(bug.Image(), bug.iBaby);
  EXPECT_EQ(bug.phenotype, "larva");
  EXPECT_EQ(bug.speed, 1.0);
  EXPECT_EQ(bug.TimeSinceRepro, Globals::Interbirth);
  // Field 0 is 256 x 184: x in 10..235, y in 10..163.
  EXPECT_DOUBLE_EQ(bug.xLoc, 0.25 * (256 - 20 - 11) + 10);
  EXPECT_DOUBLE_EQ(bug.yLoc, 0.75 * (184 - 20 - 11) + 10);
  EXPECT_EQ(bug.X(), 66);   // 66.25
  EXPECT_EQ(bug.Y(), 125);  // 124.75
  EXPECT_EQ(bug.Group(), -1);
}

TEST_F(CritterSpriteTest, AWormIsASlowSmallDiscOfItsOwnGroupFromThreeDraws) {
  wormSprite worm;
  WithDraws({0.5, 0.25, 0.75}, [&] { worm.prepare(Field(0)); });
  ASSERT_NE(worm.Image(), nullptr);
  EXPECT_EQ(worm.Image()->Width(), 7);
  EXPECT_EQ(worm.Image()->Height(), 7);
  EXPECT_EQ(worm.Image()->Pixel(3, 3), RGB(230, 85, 85));
  EXPECT_EQ(worm.Group(), 1);
  EXPECT_DOUBLE_EQ(worm.direction, 0.5 * kPi);
  EXPECT_EQ(worm.speed, 0.5);
  EXPECT_DOUBLE_EQ(worm.xLoc, 0.25 * (256 - 20 - 7) + 10);  // 67.25
  EXPECT_DOUBLE_EQ(worm.yLoc, 0.75 * (184 - 20 - 7) + 10);  // 127.75
  EXPECT_EQ(worm.X(), 67);
  EXPECT_EQ(worm.Y(), 128);
}

TEST_F(CritterSpriteTest, MaturesOnceExactlyAtAgeAtMaturity) {
  auto bug = AddBug(Field(0), 100, 100, Globals::AgeAtMaturity - 2, 3, 1, 1);
  WithDraws({}, [&] { bug->move(Field(0)); });
  EXPECT_EQ(bug->age, Globals::AgeAtMaturity - 1);
  EXPECT_EQ(bug->phenotype, "larva");
  EXPECT_EQ(bug->Image(), bug->iBaby);
  EXPECT_EQ(bug->TimeSinceRepro, 4);

  // Heritability 0.9, G 14, E 7: 12.6 + 0.7 rounds to 13.
  WithDraws({0.1, 0.9, 0.1, 0.9, 0.1, 0.9, 0.1, 0.9, 0.1, 0.9, 0.1, 0.9, 0.1, 0.9},
            [&] { bug->move(Field(0)); });
  EXPECT_EQ(bug->age, Globals::AgeAtMaturity);
  EXPECT_EQ(bug->phenotype, "13");
  EXPECT_EQ(bug->Image(), bug->iAdult);
  EXPECT_EQ(bug->TimeSinceRepro, 5);
  EXPECT_DOUBLE_EQ(bug->xLoc, 102.0);

  WithDraws({}, [&] {
    for (int day = 0; day < 20; ++day) bug->move(Field(0));
  });
  EXPECT_EQ(bug->age, Globals::AgeAtMaturity + 20);
  EXPECT_EQ(bug->phenotype, "13");
  EXPECT_EQ(bug->TimeSinceRepro, 25);
}

struct DotsCase {
  double heritability;
  Int32 ones;  // alleles that are 1, of 14
  std::vector<double> draws;
  const char* dots;
};

TEST_F(CritterSpriteTest, DotsWeighAllelesAgainstChanceByHeritability) {
  // A draw of exactly 0.5 is no success.
  const std::vector<double> seven = {0.0, 0.5, 0.49, 0.9, 0.3, 0.5, 0.2,
                                     0.7, 0.1, 0.6,  0.4, 0.8, 0.0, 0.99};
  const std::vector<double> fourteen(14, 0.4999);
  const std::vector<double> ten = {0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1,
                                   0.1, 0.1, 0.1, 0.5, 0.5, 0.5, 0.5};
  for (const DotsCase& c :
       {DotsCase{0.9, 14, seven, "13"}, DotsCase{0.1, 0, fourteen, "13"},
        DotsCase{0.5, 4, ten, "7"}, DotsCase{1.0, 3, ten, "3"}, DotsCase{0.0, 14, seven, "7"}}) {
    SCOPED_TRACE(::testing::Message() << c.heritability << " " << c.ones);
    Globals::Heritability = c.heritability;
    critterSprite bug;
    for (Int32 i = 0; i < 14; ++i) (i < 7 ? bug.mAllele(i) : bug.pAllele(i - 7)) = i < c.ones;
    std::string dots;
    WithDraws(c.draws, [&] { dots = bug.metamorphosis(Globals::Scenario); });
    EXPECT_EQ(dots, c.dots);
  }
}
}  // namespace
