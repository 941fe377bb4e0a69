#include <gtest/gtest.h>

#include <cmath>

#include "framework/Layout.h"
#include "model/Angles.h"
#include "model/bounceSprite.h"
#include "tests/model/FieldFixture.h"

namespace {

class BounceSpriteTest : public FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    sprite.Image(NewPicture(13, 13, 32));
    sprite.speed = 1.0;
  }
  bounceSprite sprite;
};

struct BounceCase {
  const char* what;
  double xLoc, yLoc, direction, expected;
};

// Field 0 is 256 x 184 and the sprite 13 x 13: it is out on the right beyond xLoc 243 and
// out at the bottom beyond yLoc 171.
TEST_F(BounceSpriteTest, TurnsOnlyWhenOutAndHeadingFurtherOut) {
  const double upLeft = 3.92699082;
  for (const BounceCase& c : {
           BounceCase{"out left, heading left", -0.5, 50, kPi, 0.0},
           BounceCase{"flush left, heading left", 0.0, 50, kPi, kPi},
           BounceCase{"out left, heading right", -0.5, 50, 0.0, 0.0},
           BounceCase{"out right, heading right", 243.5, 50, 0.0, kPi},
           BounceCase{"flush right, heading right", 243.0, 50, 0.0, 0.0},
           BounceCase{"out right, heading left", 243.5, 50, kPi, kPi},
           BounceCase{"out top, heading up", 100, -0.5, 4.71238898, -4.71238898 + kTwoPi},
           BounceCase{"flush top, heading up", 100, 0.0, 4.71238898, 4.71238898},
           BounceCase{"out bottom, heading down", 100, 171.5, 1.57079632, -1.57079632 + kTwoPi},
           BounceCase{"flush bottom, heading down", 100, 171.0, 1.57079632, 1.57079632},
           BounceCase{"out bottom, heading up", 100, 171.5, 4.71238898, 4.71238898},
           BounceCase{"out left and top, heading up-left", -0.5, -0.5, upLeft, -(kPi - upLeft)},
           BounceCase{"above two pi", 100, 100, 7.0, 7.0 - kTwoPi},
           BounceCase{"at two pi", 100, 100, kTwoPi, kTwoPi},
           BounceCase{"negative", 100, 100, -2.0, -2.0 + kTwoPi},
           BounceCase{"one correction only", 100, 100, 13.0, 13.0 - kTwoPi},
       }) {
    SCOPED_TRACE(c.what);
    sprite.xLoc = c.xLoc;
    sprite.yLoc = c.yLoc;
    sprite.direction = c.direction;
    sprite.bounce(Field(0));
    EXPECT_DOUBLE_EQ(sprite.direction, c.expected);
    EXPECT_EQ(sprite.xLoc, c.xLoc);
    EXPECT_EQ(sprite.yLoc, c.yLoc);
  }
}

TEST_F(BounceSpriteTest, FlushAtTheEdgeStepsOutAndTurnsOnTheNextMove) {
  sprite.xLoc = 0.0;
  sprite.yLoc = 50.0;
  sprite.direction = kPi;
  sprite.move(Field(0));
  EXPECT_EQ(sprite.direction, kPi);
  EXPECT_NEAR(sprite.xLoc, -1.0, 1e-9);
  EXPECT_EQ(sprite.X(), -1);
  sprite.move(Field(0));
  EXPECT_EQ(sprite.direction, 0.0);
  EXPECT_NEAR(sprite.xLoc, 0.0, 1e-9);
  EXPECT_EQ(sprite.X(), 0);
}

struct ShuffleCase {
  double xLoc, yLoc, direction, speed;
  double xAfter, yAfter;
  Int32 X, Y;
};

TEST_F(BounceSpriteTest, ShuffleStepsAndRoundsHalvesAwayFromZero) {
  for (const ShuffleCase& c : {ShuffleCase{10.4, 20.0, 0.0, 1.0, 11.4, 20.0, 11, 20},
                               ShuffleCase{3.0, 0.5, 0.0, 1.0, 4.0, 0.5, 4, 1},
                               ShuffleCase{-1.5, 7.25, 0.0, 1.0, -0.5, 7.25, -1, 7},
                               ShuffleCase{5.0, 5.0, 0.0, 0.5, 5.5, 5.0, 6, 5}}) {
    SCOPED_TRACE(::testing::Message() << c.xLoc << "," << c.yLoc);
    sprite.xLoc = c.xLoc;
    sprite.yLoc = c.yLoc;
    sprite.direction = c.direction;
    sprite.speed = c.speed;
    sprite.shuffle();
    EXPECT_DOUBLE_EQ(sprite.xLoc, c.xAfter);
    EXPECT_DOUBLE_EQ(sprite.yLoc, c.yAfter);
    EXPECT_EQ(sprite.X(), c.X);
    EXPECT_EQ(sprite.Y(), c.Y);
  }
  sprite.xLoc = 0.0;
  sprite.yLoc = 0.0;
  sprite.direction = kPi / 2.0;
  sprite.speed = 2.0;
  sprite.shuffle();
  EXPECT_NEAR(sprite.xLoc, 0.0, 1e-8);
  EXPECT_NEAR(sprite.yLoc, 2.0, 1e-8);
  EXPECT_EQ(sprite.Y(), 2);
}

// A frame moves the sprite only on a click surface that is not processing a click.
TEST_F(BounceSpriteTest, RedrawMovesOnlyOnAClickSurfaceOutsideAClick) {
  smartSurface plain(ControlSpec{.kind = ControlKind::SpriteSurface,
                                 .name = "plain",
                                 .left = 0,
                                 .top = 0,
                                 .width = 256,
                                 .height = 184});
  sprite.xLoc = 10.0;
  sprite.yLoc = 10.0;
  sprite.redraw(plain);
  EXPECT_EQ(sprite.xLoc, 10.0);
  Field(0).processingClick = true;
  sprite.redraw(Field(0));
  EXPECT_EQ(sprite.xLoc, 10.0);
  Field(0).processingClick = false;
  sprite.redraw(Field(0));
  EXPECT_EQ(sprite.xLoc, 11.0);
  EXPECT_EQ(sprite.X(), 11);
}
}  // namespace
