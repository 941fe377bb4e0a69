#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Layout.h"
#include "model/smartSurface.h"

// The frame dispatch, attach and detach of a bare smartSurface, seen through sprites and a
// surface that write every hook call into one log.
namespace {
using Log = std::vector<std::string>;

class LogSprite : public smartSprite {
 public:
  LogSprite(std::string name, Log& log) : name_(std::move(name)), log_(log) {
    Image(NewPicture(10, 10, 32));
    Group(-1);
  }
  void redraw(smartSurface& /*field*/) override {
    log_.push_back(name_);
    if (onRedraw) onRedraw();
  }
  void collision(smartSurface& /*field*/, smartSprite& other) override {
    log_.push_back(name_ + "~" + static_cast<LogSprite&>(other).name_);
    if (onCollision) onCollision();
  }
  const std::string& name() const { return name_; }

  std::function<void()> onRedraw;
  std::function<void()> onCollision;

 private:
  std::string name_;
  Log& log_;
};

class LogSurface : public smartSurface {
 public:
  explicit LogSurface(Log& log)
      : smartSurface(ControlSpec{.kind = ControlKind::SpriteSurface,
                                 .name = "popSurfaces",
                                 .index = 0,
                                 .left = 16,
                                 .top = 31,
                                 .width = 256,
                                 .height = 184}),
        log_(log) {}
  void redraw() override { log_.push_back("field"); }
  void collision(smartSprite& s1, smartSprite& s2) override {
    log_.push_back("field " + static_cast<LogSprite&>(s1).name() + " " +
                   static_cast<LogSprite&>(s2).name());
  }
  void addedSprite(smartSprite& sprite) override {
    log_.push_back("+" + static_cast<LogSprite&>(sprite).name());
  }
  void removedSprite(smartSprite& sprite) override {
    log_.push_back("-" + static_cast<LogSprite&>(sprite).name());
  }

 private:
  Log& log_;
};

class SurfaceTest : public ::testing::Test {
 protected:
  // A sprite at (x, y), attached; attaching logs "+name".
  std::shared_ptr<LogSprite> Add(const std::string& name, Int32 x = 0, Int32 y = 0) {
    auto s = std::make_shared<LogSprite>(name, log);
    s->X(x);
    s->Y(y);
    field.doAttach(s);
    return s;
  }
  // The names in the list, entry 0 as "0" when it is empty.
  std::vector<std::string> Names() const {
    std::vector<std::string> names{field.sprites(0) ? "?" : "0"};
    for (Int32 i = 1; i <= field.sprites.Ubound(); ++i)
      names.push_back(static_cast<LogSprite&>(*field.sprites(i)).name());
    return names;
  }
  // The names in the engine's attached list, oldest first.
  std::vector<std::string> EngineNames() const {
    std::vector<std::string> names;
    for (const auto& s : field.AttachedSprites())
      names.push_back(static_cast<LogSprite&>(*s).name());
    return names;
  }

  Log log;
  LogSurface field{log};
};

TEST_F(SurfaceTest, FrameRedrawsTheSpritesOfItsStartInOrderThenTheField) {
  // Far apart: no collisions.
  auto a = Add("a", 0, 0);
  auto b = Add("b", 50, 0);
  Add("c", 100, 0);
  std::shared_ptr<LogSprite> d;
  b->onRedraw = [&] {
    if (!d) d = Add("d", 150, 0);
  };
  log.clear();
  field.Update();
  EXPECT_EQ(log, (Log{"a", "b", "+d", "c", "field"}));
  log.clear();
  field.Update();
  EXPECT_EQ(log, (Log{"a", "b", "c", "d", "field"}));
  EXPECT_EQ(Names(), (std::vector<std::string>{"0", "a", "b", "c", "d"}));
}

TEST_F(SurfaceTest, CollisionCallsBothSpritesThenTheFieldOldestFirst) {
  auto a = Add("a", 0, 0);
  auto b = Add("b", 5, 5);
  auto c = Add("c", 8, 0);
  Add("far", 200, 100);
  // A sprite attached during the dispatch, on top of the others, waits for the next frame.
  std::shared_ptr<LogSprite> late;
  a->onCollision = [&] {
    if (!late) late = Add("late", 2, 2);
  };
  log.clear();
  field.Update();
  EXPECT_EQ(log, (Log{"a", "b", "c", "far", "field",  //
                      "a~b", "+late", "b~a", "field a b", "a~c", "c~a", "field a c", "b~c", "c~b",
                      "field b c"}));
  log.clear();
  field.Update();
  EXPECT_EQ(std::count(log.begin(), log.end(), "late~a"), 1);
}

TEST_F(SurfaceTest, DetachKeepsTheOrderOfTheOthers) {
  for (const char* name : {"a", "b", "c", "d"}) Add(name);
  auto b = field.sprites(2);
  log.clear();
  field.doDetach(2);
  EXPECT_EQ(log, (Log{"-b"}));
  EXPECT_EQ(Names(), (std::vector<std::string>{"0", "a", "c", "d"}));
  EXPECT_EQ(EngineNames(), (std::vector<std::string>{"a", "c", "d"}));
  EXPECT_EQ(b->Surface(), nullptr);
  field.doDetach(3);
  EXPECT_EQ(Names(), (std::vector<std::string>{"0", "a", "c"}));
}

TEST_F(SurfaceTest, DetachOutsideTheSpritesRaisesAndChangesNothing) {
  Add("a");
  Add("b");
  log.clear();
  for (Int32 index : {0, 3, -1}) {
    SCOPED_TRACE(index);
    EXPECT_THROW(field.doDetach(index), OutOfBoundsException);
  }
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(Names(), (std::vector<std::string>{"0", "a", "b"}));
  EXPECT_EQ(EngineNames(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(SurfaceTest, ClearDetachesNewestFirstThenRunsOneFrame) {
  for (const char* name : {"a", "b", "c"}) Add(name);
  log.clear();
  field.clear();
  EXPECT_EQ(log, (Log{"-c", "-b", "-a", "field"}));
  EXPECT_EQ(Names(), (std::vector<std::string>{"0"}));
  EXPECT_TRUE(field.AttachedSprites().empty());
}

struct Point {
  Int32 x, y;
  bool inside;
};

TEST_F(SurfaceTest, WithinIsStrictOnEveryBorder) {
  // The field spans window x 16..272 and y 31..215.
  for (const Point& p : {Point{16, 100, false}, Point{17, 100, true}, Point{271, 100, true},
                         Point{272, 100, false}, Point{100, 31, false}, Point{100, 32, true},
                         Point{100, 214, true}, Point{100, 215, false}, Point{0, 0, false}}) {
    SCOPED_TRACE(::testing::Message() << p.x << "," << p.y);
    EXPECT_EQ(field.within(p.x, p.y), p.inside);
  }
}

TEST(SpriteWithinTest, IsStrictOnEveryBorderOfTheCurrentImage) {
  Log log;
  LogSprite s("s", log);
  s.X(10);
  s.Y(20);
  s.Image(NewPicture(11, 13, 32));
  // The image spans x 10..21 and y 20..33.
  for (const Point& p :
       {Point{10, 25, false}, Point{11, 25, true}, Point{20, 25, true}, Point{21, 25, false},
        Point{15, 20, false}, Point{15, 21, true}, Point{15, 32, true}, Point{15, 33, false}}) {
    SCOPED_TRACE(::testing::Message() << p.x << "," << p.y);
    EXPECT_EQ(s.within(p.x, p.y), p.inside);
  }
  s.Image(nullptr);
  EXPECT_FALSE(s.within(15, 25));
}
}  // namespace
