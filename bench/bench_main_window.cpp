// The main window as the user runs it: one day of the timer, and one full repaint, with the
// standard population (fields 0 and 1 at 100 bugs, the pools at 25).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QWidget>

#include "app/App.h"
#include "app/Menu.h"
#include "app/WindowMain.h"
#include "app/WindowSelectScenario.h"
#include "framework/PushButton.h"
#include "framework/Rnd.h"
#include "framework/Runtime.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"

namespace {
// Starts the program as its Open event does, presses "Okay", and fills every other field up
// to its capacity as the Left field is filled.
WindowMain& StandardPopulation() {
  static bool started = false;
  if (!started) {
    started = true;
    Globals::CreateArrays();
    NewAppInstance();
    ApplicationAddMenuHandlers();
    App::Instance().Event_Open();
    SharedWindow<WindowSelectScenario>().Get<PushButton>("PushButtonOkay").Push();
    Runtime::ProcessEvents();
  }
  WindowMain& main = SharedWindow<WindowMain>();
  for (Int32 i = 0; i <= Globals::NumPopSurfaces; ++i) {
    popSurface& field = main.popSurfaces(i);
    const Int32 missing = Globals::MaxNumCritters(i) - field.numCritters;
    if (missing > 0) main.PopulatePond(i, missing);
  }
  main.UpdateSizes();
  return main;
}

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
