#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/Functions.h"
#include "model/Angles.h"
#include "model/Globals.h"
#include "model/wormSprite.h"
#include "tests/model/FieldFixture.h"

namespace {
using MatingTest = FieldFixture;

std::vector<double> Draws(std::size_t n, double value = 0.3) {
  return std::vector<double>(n, value);
}

critterSprite& Newest(popSurface& field) {
  return dynamic_cast<critterSprite&>(*field.sprites(field.sprites.Ubound()));
}

struct MatingCase {
  const char* what;
  Int32 age, timeSinceRepro;  // of the bug whose collision runs
  Int32 partnerAge, partnerTimeSinceRepro;
  Int32 field;
  Int32 bugsBefore;  // in the field, the pair included
  bool click;
  bool birth;
};

TEST_F(MatingTest, BirthNeedsTwoAdultsAReadyBugRoomAndNoClick) {
  for (const MatingCase& c : {
           MatingCase{"both ready", 51, 21, 51, 21, 2, 2, false, true},
           MatingCase{"own age at maturity", 50, 21, 51, 21, 2, 2, false, false},
           MatingCase{"own time since repro at interbirth", 51, 20, 51, 21, 2, 2, false, false},
           MatingCase{"partner age at maturity", 51, 21, 50, 21, 2, 2, false, false},
           MatingCase{"larva partner", 51, 21, 30, 21, 2, 2, false, false},
           MatingCase{"partner has just bred", 51, 21, 51, 0, 2, 2, false, true},
           MatingCase{"pool full", 51, 21, 51, 21, 2, 25, false, false},
           MatingCase{"pool one short", 51, 21, 51, 21, 2, 24, false, true},
           MatingCase{"large field has room for 25", 51, 21, 51, 21, 0, 25, false, true},
           MatingCase{"large field full", 51, 21, 51, 21, 1, 100, false, false},
           MatingCase{"click frame", 51, 21, 51, 21, 2, 2, true, false},
       }) {
    SCOPED_TRACE(c.what);
    popSurface& field = Field(c.field);
    field.clear();
    FillTo(field, c.bugsBefore - 2);
    auto bug = AddBug(field, 40, 60, c.age, c.timeSinceRepro);
    auto partner = AddBug(field, 46, 64, c.partnerAge, c.partnerTimeSinceRepro);
    field.processingClick = c.click;
    WithDraws(Draws(c.birth ? 19 : 0), [&] { bug->collision(field, *partner); });
    field.processingClick = false;
    EXPECT_EQ(field.numCritters, c.bugsBefore + (c.birth ? 1 : 0));
    EXPECT_EQ(field.sprites.Ubound(), field.numCritters);
    EXPECT_EQ(bug->TimeSinceRepro, c.birth ? 0 : c.timeSinceRepro);
    EXPECT_EQ(partner->TimeSinceRepro, c.partnerTimeSinceRepro);
    EXPECT_EQ(partner->direction, 0.0);
  }
}

TEST_F(MatingTest, ChildIsALarvaAtTheRoundedMidpointWithOneAlleleFromEachParent) {
  popSurface& field = Field(0);
  auto mother = AddBug(field, 100, 100, 60, 30, 1, 0);
  auto father = AddBug(field, 107, 104, 60, 30, 0, 1);
  // The child's set-up (heading, colour, x, y), then its heading away from the pair.
  std::vector<double> draws = {0.25, 0.3, 0.1, 0.9, 0.5};
  for (Int32 i = 0; i < 7; ++i) {
    // Even loci: the mother's maternal and the father's paternal allele (both 1); odd loci,
    // at 0.5 and below it: the mother's paternal and the father's maternal (both 0).
    draws.push_back(i % 2 == 0 ? 0.2 : 0.5);
    draws.push_back(i % 2 == 0 ? 0.7 : 0.1);
  }
  WithDraws(draws, [&] { mother->collision(field, *father); });

  ASSERT_EQ(field.sprites.Ubound(), 3);
  critterSprite& child = Newest(field);
  const double away = ATan2(100.0 - 104.0, 100.0 - 107.0);
  EXPECT_DOUBLE_EQ(mother->direction, away);
  EXPECT_EQ(father->direction, 0.0);
  EXPECT_DOUBLE_EQ(child.direction, (away + 0.7853981625) + (0.5 * kPi) / 2.0);
  EXPECT_EQ(child.age, 0);
  EXPECT_EQ(child.TimeSinceRepro, Globals::Interbirth);
  EXPECT_EQ(child.phenotype, "larva");
  EXPECT_EQ(child.Image(), child.iBaby);
  // Its colour is drawn afresh, not taken from a parent.
  EXPECT_EQ(child.iBaby->Pixel(5, 5), CMY(0.1 + 0.5 * 0.3, 1.0, 1.0));
  EXPECT_NE(child.iBaby->Pixel(5, 5), mother->iBaby->Pixel(5, 5));
  EXPECT_FALSE(child.exposed);
  EXPECT_EQ(child.Group(), -1);
  // Midpoint (103.5, 102): the child goes on from the whole pixel.
  EXPECT_EQ(child.X(), 104);
  EXPECT_EQ(child.Y(), 102);
  EXPECT_EQ(child.xLoc, 104.0);
  EXPECT_EQ(child.yLoc, 102.0);
  EXPECT_EQ(child.Surface(), &field);
  for (Int32 i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(child.mAllele(i), i % 2 == 0 ? 1 : 0);
    EXPECT_EQ(child.pAllele(i), i % 2 == 0 ? 1 : 0);
  }
  EXPECT_EQ(mother->TimeSinceRepro, 0);
  EXPECT_EQ(father->TimeSinceRepro, 30);
  EXPECT_EQ(field.numCritters, 3);
}

// Two ready adults touch in a frame: each mothers one child, and each heads away from the
// other, unless the first birth fills the field.
TEST_F(MatingTest, TouchingPairBreedsTwiceInOneFrameWhenThereIsRoom) {
  popSurface& field = Field(0);
  // Both turn 51 and 21 as the frame moves them one pixel right.
  auto first = AddBug(field, 100, 100, 50, 20, 1, 1);
  auto second = AddBug(field, 106, 104, 50, 20, 0, 0);
  WithDraws(Draws(2 * 19), [&] { field.Update(); });

  ASSERT_EQ(field.sprites.Ubound(), 4);
  EXPECT_EQ(field.numCritters, 4);
  auto& child1 = dynamic_cast<critterSprite&>(*field.sprites(3));
  auto& child2 = dynamic_cast<critterSprite&>(*field.sprites(4));
  for (Int32 i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(child1.mAllele(i), 1);
    EXPECT_EQ(child1.pAllele(i), 0);
    EXPECT_EQ(child2.mAllele(i), 0);
    EXPECT_EQ(child2.pAllele(i), 1);
  }
  EXPECT_EQ(first->TimeSinceRepro, 0);
  EXPECT_EQ(second->TimeSinceRepro, 0);
  EXPECT_DOUBLE_EQ(first->direction, ATan2(100.0 - 104.0, 101.0 - 107.0));
  EXPECT_DOUBLE_EQ(second->direction, ATan2(104.0 - 100.0, 107.0 - 101.0));
  EXPECT_LT(Cos(first->direction), 0.0);
  EXPECT_GT(Cos(second->direction), 0.0);
  EXPECT_EQ(child1.X(), 104);
  EXPECT_EQ(child1.Y(), 102);
}

TEST_F(MatingTest, TouchingPairBreedsOnceWhenTheFirstBirthFillsTheField) {
  popSurface& field = Field(2);
  FillTo(field, 22);
  auto first = AddBug(field, 40, 60, 50, 20);
  auto second = AddBug(field, 46, 64, 50, 20);
  WithDraws(Draws(19), [&] { field.Update(); });
  EXPECT_EQ(field.numCritters, 25);
  EXPECT_EQ(first->TimeSinceRepro, 0);
  EXPECT_EQ(second->TimeSinceRepro, 21);
}

TEST_F(MatingTest, WormExposesALarvaForLifeButNotAnAdult) {
  popSurface& field = Field(0);
  auto larva = AddBug(field, 50, 50, 10, 0);
  auto adult = AddBug(field, 150, 50, 60, 0);
  for (Int32 x : {53, 153}) {
    auto worm = std::make_shared<wormSprite>();
    WithDraws({0.0, 0.5, 0.5}, [&] { worm->prepare(field); });
    worm->X(x);
    worm->Y(53);
    field.doAttach(worm);
  }
  WithDraws({}, [&] { field.Update(); });
  EXPECT_TRUE(larva->exposed);
  EXPECT_FALSE(adult->exposed);

  larva->age = Globals::AgeAtMaturity - 1;
  WithDraws(Draws(14), [&] { larva->move(field); });
  EXPECT_NE(larva->phenotype, "larva");
  EXPECT_TRUE(larva->exposed);

  // A click frame exposes too.
  auto other = AddBug(field, 10, 150, 10, 0);
  field.processingClick = true;
  other->collision(field, *field.sprites(3));
  field.processingClick = false;
  EXPECT_TRUE(other->exposed);
}
}  // namespace
