#include <gtest/gtest.h>

#include "model/Globals.h"
#include "tests/model/FieldFixture.h"

namespace {
using ClickSurfaceTest = FieldFixture;

TEST_F(ClickSurfaceTest, PickUpAndDropKeepTheBugWhereThePointerHeldIt) {
  auto bug = AddBug(Field(0), 10, 20, 60, 0);
  const PicturePtr image = bug->Image();
  RndControl::Script({});  // a click frame draws nothing

  auto taken = Field(0).mouseDown(kLeft + 14, kTop + 25);
  ASSERT_EQ(taken, bug);
  EXPECT_EQ(bug->X(), -4);
  EXPECT_EQ(bug->Y(), -5);
  EXPECT_EQ(bug->Image(), image);
  EXPECT_EQ(bug->Surface(), nullptr);
  EXPECT_EQ(Field(0).sprites.Ubound(), 0);
  EXPECT_EQ(Field(0).numCritters, 0);
  EXPECT_FALSE(Field(0).processingClick);

  // Onto a full pool: a drop is no birth and is not held to the capacity.
  RndControl::Unscript();
  FillTo(Field(2), 25);
  RndControl::Script({});
  Field(2).spriteDrop(taken, Field(2).Left() + 100, Field(2).Top() + 50);
  EXPECT_EQ(bug->X(), 96);
  EXPECT_EQ(bug->Y(), 45);
  EXPECT_EQ(bug->xLoc, 96.0);
  EXPECT_EQ(bug->yLoc, 45.0);
  EXPECT_EQ(Field(2).sprites(Field(2).sprites.Ubound()), bug);
  EXPECT_EQ(bug->Surface(), &Field(2));
  EXPECT_EQ(Field(2).numCritters, 26);
  EXPECT_EQ(bug->age, 60);  // the drop frame did not move it
  EXPECT_FALSE(Field(2).processingClick);
}

TEST_F(ClickSurfaceTest, PressTakesTheOldestBugUnderThePointer) {
  auto elsewhere = AddBug(Field(0), 100, 100, 60, 0);
  auto older = AddBug(Field(0), 10, 10, 60, 0);
  auto newer = AddBug(Field(0), 14, 14, 60, 0);
  // (20, 20) lies on both; (12, 12) only on the older, (25, 25) only on the newer.
  EXPECT_EQ(Field(0).mouseDown(kLeft + 20, kTop + 20), older);
  EXPECT_EQ(Field(0).sprites(1), elsewhere);
  EXPECT_EQ(Field(0).sprites(2), newer);
  EXPECT_EQ(Field(0).mouseDown(kLeft + 14, kTop + 14), nullptr);  // newer's own corner
  EXPECT_EQ(Field(0).mouseDown(kLeft + 25, kTop + 25), newer);
}

// The frame around a pick-up moves, ages and mates nobody, and it still sweeps out the old;
// a press that takes nothing runs no frame at all.
TEST_F(ClickSurfaceTest, ClickFrameOnlySweeps) {
  auto old = AddBug(Field(0), 200, 150, Globals::Lifespan + 1, 0);
  auto a = AddBug(Field(0), 100, 100, 60, 30);
  auto b = AddBug(Field(0), 106, 104, 60, 30);
  a->xLoc = -0.5;  // out on the left, heading away from the field: a moving bug would turn
  a->direction = 3.14159265;
  auto target = AddBug(Field(0), 10, 10, 60, 0);
  RndControl::Script({});

  EXPECT_EQ(Field(0).mouseDown(kLeft + 150, kTop + 10), nullptr);
  EXPECT_EQ(Field(0).sprites(1), old);

  EXPECT_EQ(Field(0).mouseDown(kLeft + 15, kTop + 15), target);
  EXPECT_EQ(Field(0).sprites.Ubound(), 2);
  EXPECT_EQ(Field(0).sprites(1), a);
  EXPECT_EQ(Field(0).sprites(2), b);
  EXPECT_EQ(Field(0).numCritters, 2);
  EXPECT_EQ(a->xLoc, -0.5);
  EXPECT_EQ(a->direction, 3.14159265);
  EXPECT_EQ(a->X(), 100);
  EXPECT_EQ(a->Y(), 100);
  EXPECT_EQ(a->age, 60);
  EXPECT_EQ(a->TimeSinceRepro, 30);
  EXPECT_EQ(b->xLoc, 106.0);
  EXPECT_EQ(b->yLoc, 104.0);
  EXPECT_EQ(b->age, 60);
  EXPECT_EQ(b->TimeSinceRepro, 30);
}
}  // namespace
