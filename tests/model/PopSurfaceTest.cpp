#include <gtest/gtest.h>

#include <memory>

#include "model/Globals.h"
#include "model/wormSprite.h"
#include "tests/model/FieldFixture.h"

namespace {
using PopSurfaceTest = FieldFixture;

TEST_F(PopSurfaceTest, PrepareGivesAWhiteEmptyField) {
  popSurface& field = Field(3);
  field.numCritters = 4;
  field.numWorms = 2;
  field.prepare();
  EXPECT_TRUE(field.Visible());
  EXPECT_TRUE(field.ClickToStop());
  EXPECT_EQ(field.FrameSpeed(), 2);
  ASSERT_NE(field.Backdrop(), nullptr);
  EXPECT_EQ(field.Backdrop()->Width(), 10);
  EXPECT_EQ(field.Backdrop()->Height(), 10);
  EXPECT_EQ(field.Backdrop()->Pixel(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(field.Backdrop()->Pixel(9, 9), RGB(255, 255, 255));
  EXPECT_EQ(field.numCritters, 0);
  EXPECT_EQ(field.numWorms, 0);
}

TEST_F(PopSurfaceTest, CountsFollowAttachAndDetach) {
  popSurface& field = Field(0);
  AddBug(field, 10, 10, 5, 0);
  auto worm = std::make_shared<wormSprite>();
  WithDraws({0.0, 0.5, 0.5}, [&] { worm->prepare(field); });
  worm->X(40);
  worm->Y(50);
  field.doAttach(worm);
  AddBug(field, 100, 10, 60, 0);
  EXPECT_EQ(field.numCritters, 2);
  EXPECT_EQ(field.numWorms, 1);
  // The worm goes on from its whole-pixel corner.
  EXPECT_EQ(worm->xLoc, 40.0);
  EXPECT_EQ(worm->yLoc, 50.0);
  field.doDetach(2);
  EXPECT_EQ(field.numWorms, 0);
  field.doDetach(1);
  EXPECT_EQ(field.numCritters, 1);
}

// A bug handed to a field while still on another leaves the other's list first, so that no
// bug is ever counted, moved and aged in two fields.
TEST_F(PopSurfaceTest, AttachingABugStillOnAFieldTakesItOffThatField) {
  popSurface& from = Field(0);
  popSurface& to = Field(2);
  auto first = AddBug(from, 10, 10, 5, 0);
  auto moved = AddBug(from, 40, 10, 60, 0);
  auto last = AddBug(from, 70, 10, 60, 0);
  to.doAttach(from.sprites(2));  // the list's own entry, which the detach removes
  EXPECT_EQ(from.numCritters, 2);
  ASSERT_EQ(from.sprites.Ubound(), 2);
  EXPECT_EQ(from.sprites(1), first);
  EXPECT_EQ(from.sprites(2), last);
  EXPECT_EQ(to.numCritters, 1);
  ASSERT_EQ(to.sprites.Ubound(), 1);
  EXPECT_EQ(to.sprites(1), moved);
  EXPECT_EQ(moved->Surface(), &to);

  // Attached again to its own field, it is there once, as the newest.
  to.doAttach(first);
  to.doAttach(moved);
  EXPECT_EQ(to.numCritters, 2);
  ASSERT_EQ(to.sprites.Ubound(), 2);
  EXPECT_EQ(to.sprites(1), first);
  EXPECT_EQ(to.sprites(2), moved);
  EXPECT_EQ(from.numCritters, 1);
}

TEST_F(PopSurfaceTest, SweepRemovesEveryBugPastLifespanIncludingNeighbours) {
  popSurface& field = Field(0);
  const Int32 L = Globals::Lifespan;
  AddBug(field, 0, 0, L + 1, 0);
  AddBug(field, 20, 0, L + 1, 0);
  auto young = AddBug(field, 40, 0, 50, 0);
  auto worm = std::make_shared<wormSprite>();
  WithDraws({0.0, 0.5, 0.5}, [&] { worm->prepare(field); });
  field.doAttach(worm);
  AddBug(field, 60, 0, L + 1, 0);
  auto atLimit = AddBug(field, 80, 0, L, 0);
  AddBug(field, 100, 0, L + 7, 0);
  AddBug(field, 120, 0, L + 1, 0);

  field.redraw();
  ASSERT_EQ(field.sprites.Ubound(), 3);
  EXPECT_EQ(field.sprites(0), nullptr);
  EXPECT_EQ(field.sprites(1), young);
  EXPECT_EQ(field.sprites(2), worm);
  EXPECT_EQ(field.sprites(3), atLimit);
  EXPECT_EQ(field.numCritters, 2);
  EXPECT_EQ(field.numWorms, 1);
}

TEST_F(PopSurfaceTest, BugReachingPastLifespanInAFrameLeavesInThatFrame) {
  auto last = AddBug(Field(0), 10, 10, Globals::Lifespan, 0);
  auto stays = AddBug(Field(0), 100, 10, Globals::Lifespan - 1, 0);
  Field(0).Update();
  EXPECT_EQ(last->Surface(), nullptr);
  ASSERT_EQ(Field(0).sprites.Ubound(), 1);
  EXPECT_EQ(Field(0).sprites(1), stays);
  EXPECT_EQ(stays->age, Globals::Lifespan);
}
}  // namespace
