// One frame of the sprite engine on a crowded field: Update with its pair search and collision
// dispatch, without painting (no events are handled, so the repaint it asks for never runs).

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "framework/SpriteSurface.h"

namespace {
class CountingSurface : public SpriteSurface {
 public:
  CountingSurface()
      : SpriteSurface(ControlSpec{
            .kind = ControlKind::SpriteSurface, .name = "Field", .width = 256, .height = 184}) {}
  std::int64_t collisions = 0;

 protected:
  void Event_Collision(Sprite&, Sprite&) override { ++collisions; }
};

// Bugs (group -1) with 13x13 images at random places inside the field.
void BM_SpriteSurfaceUpdate(benchmark::State& state) {
  CountingSurface surface;
  const PicturePtr image = NewPicture(13, 13, 32);
  std::mt19937 random(42);
  std::uniform_int_distribution<Int32> x(0, surface.Width() - 13), y(0, surface.Height() - 13);
  for (std::int64_t i = 0; i < state.range(0); ++i) {
    auto bug = std::make_shared<Sprite>();
    bug->Image(image);
    bug->Group(-1);
    bug->X(x(random));
    bug->Y(y(random));
    surface.Attach(bug);
  }
  for (auto _ : state) surface.Update();
  state.counters["pairs"] =
      static_cast<double>(surface.collisions) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SpriteSurfaceUpdate)->Arg(100)->Arg(325)->Arg(2000)->Unit(benchmark::kMicrosecond);
}  // namespace
