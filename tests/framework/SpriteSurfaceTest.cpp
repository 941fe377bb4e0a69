#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "framework/SpriteSurface.h"

namespace {
using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;

// Writes each frame's events as text, sprites by name; `onCollision` runs inside the dispatch.
class RecordingSurface : public SpriteSurface {
 public:
  RecordingSurface()
      : SpriteSurface(ControlSpec{
            .kind = ControlKind::SpriteSurface, .name = "Field", .width = 256, .height = 184}) {}
  std::vector<std::string> log;
  std::map<const Sprite*, std::string> names;
  std::function<void(Sprite&, Sprite&)> onCollision;

  std::shared_ptr<Sprite> Add(const std::string& name, Int32 x, Int32 y, Int32 size = 10,
                              Int32 group = -1) {
    auto sprite = Make(name, x, y, size, group);
    Attach(sprite);
    return sprite;
  }
  std::shared_ptr<Sprite> Make(const std::string& name, Int32 x, Int32 y, Int32 size = 10,
                               Int32 group = -1) {
    auto sprite = std::make_shared<Sprite>();
    sprite->X(x);
    sprite->Y(y);
    sprite->Group(group);
    if (size > 0) sprite->Image(NewPicture(size, size, 32));
    names[sprite.get()] = name;
    return sprite;
  }
  std::vector<std::string> Frame() {
    log.clear();
    Update();
    return log;
  }

 protected:
  void Event_NextFrame() override { log.push_back("frame"); }
  void Event_Collision(Sprite& a, Sprite& b) override {
    log.push_back(names[&a] + "+" + names[&b]);
    if (onCollision) onCollision(a, b);
  }
};

using Log = std::vector<std::string>;

TEST(SpriteSurfaceTest, NextFrameRunsOnceBeforeTheCollisions) {
  RecordingSurface s;
  s.Add("a", 0, 0);
  s.Add("b", 5, 5);
  s.Add("c", 8, 0);
  EXPECT_EQ(s.Frame(), (Log{"frame", "a+b", "a+c", "b+c"}));
  RecordingSurface empty;
  EXPECT_EQ(empty.Frame(), Log{"frame"});
}

TEST(SpriteSurfaceTest, ImageRectanglesTouchWhenTheyShareAPixel) {
  struct Case {
    Int32 size2, x2, y2;
    bool touch;
  };
  // The first sprite is 10x10 at (20, 20): its pixels are 20..29.
  const Case cases[] = {
      {10, 20, 20, true},  {10, 29, 29, true},  {10, 11, 11, true},  {10, 29, 11, true},
      {10, 30, 20, false}, {10, 20, 30, false}, {10, 10, 20, false}, {10, 20, 10, false},
      {10, 30, 30, false}, {1, 29, 29, true},   {1, 30, 29, false},  {1, 19, 25, false},
      {30, 5, 5, true},    {30, -10, 0, false}, {0, 25, 25, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.size2) + " at " + std::to_string(c.x2) + "," +
                 std::to_string(c.y2));
    RecordingSurface s;
    s.Add("a", 20, 20);
    s.Add("b", c.x2, c.y2, c.size2);
    EXPECT_EQ(s.TouchingPairs(), (c.touch ? Pairs{{0, 1}} : Pairs{}));
  }
}

TEST(SpriteSurfaceTest, GroupsDecideWhichTouchingSpritesPair) {
  struct Case {
    Int32 g1, g2;
    bool pair;
  };
  const Case cases[] = {
      {-1, -1, true}, {-2, -2, true}, {-1, -2, false}, {1, -1, true}, {-1, 1, true},
      {1, 2, true},   {2, -3, true},  {1, 1, false},   {0, 0, false}, {-1, 0, false},
      {0, -1, false}, {1, 0, true},   {0, 3, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.g1) + "/" + std::to_string(c.g2));
    RecordingSurface s;
    s.Add("a", 0, 0, 10, c.g1);
    s.Add("b", 3, 3, 10, c.g2);
    EXPECT_EQ(s.Frame(), (c.pair ? Log{"frame", "a+b"} : Log{"frame"}));
  }
}

TEST(SpriteSurfaceTest, PairsComeInAttachOrderAndReattachingMakesASpriteTheNewest) {
  RecordingSurface s;
  auto old = s.Add("old", 50, 50);
  s.Add("mid", 0, 0);
  s.Add("new", 52, 52);
  s.Add("mid2", 5, 5);
  EXPECT_EQ(s.Frame(), (Log{"frame", "old+new", "mid+mid2"}));

  s.Attach(old);
  EXPECT_EQ(s.AttachedSprites().back(), old);
  EXPECT_EQ(s.AttachedSprites().size(), 4u);
  EXPECT_EQ(s.Frame(), (Log{"frame", "mid+mid2", "new+old"}));
}

TEST(SpriteSurfaceTest, ASpriteAttachedDuringTheDispatchWaitsForTheNextFrame) {
  RecordingSurface s;
  s.Add("a", 0, 0);
  s.Add("b", 1, 1);
  auto child = s.Make("child", 2, 2);
  s.onCollision = [&](Sprite&, Sprite&) {
    if (!child->Surface()) s.Attach(child);
  };
  EXPECT_EQ(s.Frame(), (Log{"frame", "a+b"}));
  EXPECT_EQ(s.Frame(), (Log{"frame", "a+b", "a+child", "b+child"}));
}

TEST(SpriteSurfaceTest, APairWhoseSpriteLeftDuringTheDispatchIsSkipped) {
  RecordingSurface s;
  auto a = s.Add("a", 0, 0);
  auto b = s.Add("b", 1, 1);
  auto c = s.Add("c", 2, 2);
  s.onCollision = [&](Sprite&, Sprite&) { c->Close(); };
  EXPECT_EQ(s.Frame(), (Log{"frame", "a+b"}));
  EXPECT_EQ(s.AttachedSprites().size(), 2u);
}

TEST(SpriteSurfaceTest, ASpriteWithoutAnImageTouchesNothing) {
  RecordingSurface s;
  s.Add("a", 0, 0);
  s.Add("bare", 0, 0, 0);
  auto empty = s.Add("empty", 0, 0, 0);
  empty->Image(NewPicture(0, 10, 32));
  s.Add("b", 2, 2);
  EXPECT_EQ(s.Frame(), (Log{"frame", "a+b"}));
}

TEST(SpriteSurfaceTest, CloseKeepsPositionAndImageAndTheSpriteCanComeBack) {
  RecordingSurface s;
  RecordingSurface other;
  auto a = s.Add("a", 0, 0);
  auto b = s.Add("b", 4, 4);
  const PicturePtr image = b->Image();
  b->Close();
  EXPECT_EQ(b->Surface(), nullptr);
  EXPECT_EQ(b->X(), 4);
  EXPECT_EQ(b->Y(), 4);
  EXPECT_EQ(b->Image(), image);
  EXPECT_EQ(s.AttachedSprites(), std::vector<std::shared_ptr<Sprite>>{a});
  EXPECT_EQ(s.Frame(), Log{"frame"});
  b->Close();

  other.Attach(b);
  EXPECT_EQ(b->Surface(), &other);
  s.Attach(b);
  EXPECT_EQ(b->Surface(), &s);
  EXPECT_TRUE(other.AttachedSprites().empty());
  EXPECT_EQ(s.Frame(), (Log{"frame", "a+b"}));
}

// The rules written out plainly, for every pair: what the engine must find however it
// searches.
Pairs BruteForcePairs(const std::vector<std::shared_ptr<Sprite>>& sprites) {
  auto pairs = [](Int32 g1, Int32 g2) {
    if (g1 > 0 || g2 > 0) return g1 != g2;
    if (g1 < 0 && g2 < 0) return g1 == g2;
    return false;
  };
  auto touch = [](const Sprite& a, const Sprite& b) {
    if (!a.Image() || !b.Image()) return false;
    const std::int64_t ax = a.X(), ay = a.Y(), bx = b.X(), by = b.Y();
    const std::int64_t aw = a.Image()->Width(), ah = a.Image()->Height();
    const std::int64_t bw = b.Image()->Width(), bh = b.Image()->Height();
    if (aw <= 0 || ah <= 0 || bw <= 0 || bh <= 0) return false;
    return ax < bx + bw && bx < ax + aw && ay < by + bh && by < ay + ah;
  };
  Pairs result;
  for (std::size_t i = 0; i < sprites.size(); ++i) {
    for (std::size_t j = i + 1; j < sprites.size(); ++j) {
      if (pairs(sprites[i]->Group(), sprites[j]->Group()) && touch(*sprites[i], *sprites[j]))
        result.emplace_back(i, j);
    }
  }
  return result;
}

// Crowded fields of mixed sizes and groups, with sprites off the field, far away, at the ends
// of Int32 and without images: the engine compares all pairs of a few sprites, sweeps along x
// up to 256 and searches a grid beyond.
TEST(SpriteSurfaceTest, EachSearchFindsExactlyThePairsOfABruteForceSearch) {
  constexpr Int32 kLow = std::numeric_limits<Int32>::min();
  constexpr Int32 kHigh = std::numeric_limits<Int32>::max();
  struct Case {
    std::size_t sprites;
    Int32 largest;
    Int32 width, height;
    std::uint32_t seed;
  };
  const Case cases[] = {{14, 13, 30, 25, 6},    {60, 13, 80, 60, 1},    {65, 13, 80, 60, 2},
                        {325, 13, 256, 184, 3}, {400, 60, 256, 184, 4}, {2000, 20, 256, 184, 5}};
  std::map<std::pair<Int32, Int32>, PicturePtr> images;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sprites);
    std::mt19937 random(c.seed);
    auto uniform = [&](Int32 lo, Int32 hi) {
      return std::uniform_int_distribution<Int32>(lo, hi)(random);
    };
    RecordingSurface s;
    const Int32 groups[] = {-2, -1, -1, -1, 0, 1, 2};
    for (std::size_t i = 0; i < c.sprites; ++i) {
      const std::string name = std::to_string(i);
      auto sprite =
          s.Add(name, uniform(-20, c.width), uniform(-20, c.height), 0, groups[uniform(0, 6)]);
      const Int32 w = uniform(0, 20) == 0 ? 0 : uniform(1, c.largest);
      const Int32 h = uniform(0, 20) == 0 ? w : uniform(1, c.largest);
      auto& image = images[{w, h}];
      if (!image) image = NewPicture(w, h, 32);
      if (uniform(0, 30) != 0) sprite->Image(image);
      switch (uniform(0, 60)) {
        case 0:
          sprite->X(kHigh - uniform(0, 25));
          break;
        case 1:
          sprite->Y(kLow + uniform(0, 25));
          break;
        case 2:
          sprite->X(uniform(-3'000'000, 3'000'000));
          break;
      }
    }
    const Pairs expected = BruteForcePairs(s.AttachedSprites());
    ASSERT_GT(expected.size(), c.sprites / 10);
    EXPECT_EQ(s.TouchingPairs(), expected);

    Log reported{"frame"};
    for (auto [i, j] : expected) {
      reported.push_back(std::to_string(i) + "+" + std::to_string(j));
    }
    EXPECT_EQ(s.Frame(), reported);
  }
}
}  // namespace
