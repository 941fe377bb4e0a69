// Carrying a bug in the main window with the standard population: a pick-up, which draws the
// data card, and one step of the drag. Targets: a pick-up at most 1 ms, a drag step at most
// 100 us.
#include <benchmark/benchmark.h>

#include "app/WindowMain.h"
#include "bench/StandardPopulation.h"
#include "framework/Rnd.h"
#include "model/critterSprite.h"

namespace {
struct Target {
  WindowMain& main;
  Int32 x = 0, y = 0;
};

// The standard population and a window point on the newest adult of the Left field: the
// search for it walks the field's whole list, and its card shows a ladybug picture. The first
// pick-up, which reads the card's picture from the resources, is made here.
Target NewestAdult() {
  RndControl::Seed(11);
  Target t{StandardPopulation()};
  popSurface& field = t.main.popSurfaces(0);
  for (Int32 i = field.sprites.Ubound(); i >= 1; --i) {
    critterSprite* bug = field.sprites(i)->asCritter();
    if (bug && bug->phenotype != "larva") {
      t.x = field.Left() + bug->X() + bug->ImageWidth() / 2;
      t.y = field.Top() + bug->Y() + bug->ImageHeight() / 2;
      break;
    }
  }
  t.main.Event_MouseDown(t.x, t.y);
  t.main.Event_MouseUp(t.x, t.y);
  return t;
}

void BM_PickUp(benchmark::State& state) {
  Target t = NewestAdult();
  for (auto _ : state) {
    benchmark::DoNotOptimize(t.main.Event_MouseDown(t.x, t.y));
    state.PauseTiming();
    t.main.Event_MouseUp(t.x, t.y);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PickUp)->Unit(benchmark::kMicrosecond);

void BM_DragStep(benchmark::State& state) {
  Target t = NewestAdult();
  t.main.Event_MouseDown(t.x, t.y);
  Int32 step = 0;
  for (auto _ : state) {
    ++step;
    t.main.Event_MouseDrag(t.x + step % 2, t.y + step % 2);
  }
  t.main.Event_MouseUp(t.x, t.y);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);
}  // namespace
