// The main window as the user runs it: one day of the timer, and one full repaint, with the
// standard population (fields 0 and 1 at 100 bugs, the pools at 25).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QWidget>

#include "app/WindowMain.h"
#include "bench/StandardPopulation.h"
#include "framework/Rnd.h"

namespace {
void BM_OneDay(benchmark::State& state) {
  RndControl::Seed(7);
  WindowMain& main = StandardPopulation();
  Int32 day = 0;
  for (auto _ : state) {
    main.TimerMain_Action();
    // Every 50 days the fields are topped up again, outside the timing, so that the
    // population stays at its standard size.
    if (++day % 50 == 0) {
      state.PauseTiming();
      StandardPopulation();
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_OneDay)->Unit(benchmark::kMicrosecond);

void BM_FullRepaint(benchmark::State& state) {
  WindowMain& main = StandardPopulation();
  for (auto _ : state) {
    QImage image = main.Widget()->grab().toImage();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);
}  // namespace
