#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "framework/Functions.h"
#include "framework/Layout.h"
#include "framework/Rnd.h"
#include "model/Globals.h"
#include "model/critterSprite.h"
#include "model/popSurface.h"

// The population model's frames, without painting: the window's seven fields stepped a day
// at a time, and one field crowded far beyond its capacity.
namespace {
void InstallSettings() {
  Globals::CreateArrays();
  Globals::SetPopulationConstants();
  Globals::setScenario(2);
}

std::unique_ptr<popSurface> NewField(Int32 index) {
  const bool large = index < 2;
  auto field = std::make_unique<popSurface>(ControlSpec{.kind = ControlKind::SpriteSurface,
                                                        .name = "popSurfaces",
                                                        .index = index,
                                                        .left = 16,
                                                        .top = 31,
                                                        .width = large ? 256 : 117,
                                                        .height = large ? 184 : 95});
  field->prepare();
  return field;
}

// Adds count new bugs with random alleles and ages in minAge..maxAge, the adults with their
// dots drawn as at maturity.
void Populate(popSurface& field, Int32 count, Int32 minAge, Int32 maxAge) {
  for (Int32 n = 0; n < count; ++n) {
    auto bug = std::make_shared<critterSprite>();
    bug->prepare(field);
    for (Int32 i = 0; i < kLoci; ++i) {
      bug->mAllele(i) = Rnd() < Globals::AlleleFreq(0) ? 1 : 0;
      bug->pAllele(i) = Rnd() < Globals::AlleleFreq(0) ? 1 : 0;
    }
    bug->age = minAge + ToInt32(Rnd() * (maxAge - minAge + 1));
    if (bug->age >= Globals::AgeAtMaturity) {
      bug->Image(bug->iAdult);
      bug->phenotype = bug->metamorphosis(Globals::Scenario);
    }
    field.doAttach(bug);
  }
}

// The seven fields filled to capacity, run for a while into their steady state of births
// and deaths, then one day (a frame of every field) per iteration.
void BM_PopulationDay(benchmark::State& state) {
  InstallSettings();
  RndControl::Seed(1);
  std::vector<std::unique_ptr<popSurface>> fields;
  for (Int32 i = 0; i <= Globals::NumPopSurfaces; ++i) {
    fields.push_back(NewField(i));
    Populate(*fields.back(), Globals::MaxNumCritters(i), 0, Globals::Lifespan);
  }
  auto day = [&] {
    for (auto& field : fields) field->Update();
  };
  for (int i = 0; i < 2 * Globals::Lifespan; ++i) day();

  std::int64_t bugs = 0, refills = 0;
  for (auto _ : state) {
    day();
    state.PauseTiming();
    // A field that has died out (or nearly) is filled again, so that every day breeds.
    for (auto& field : fields) {
      bugs += field->numCritters;
      const Int32 capacity = Globals::MaxNumCritters(field->Index());
      if (field->numCritters < capacity / 2) {
        Populate(*field, capacity - field->numCritters, 0, Globals::Lifespan);
        ++refills;
      }
    }
    state.ResumeTiming();
  }
  state.counters["bugs"] =
      benchmark::Counter(static_cast<double>(bugs), benchmark::Counter::kAvgIterations);
  state.counters["refills"] = static_cast<double>(refills);
  Globals::Release();
}
BENCHMARK(BM_PopulationDay)->Unit(benchmark::kMicrosecond);

// One frame of a large field holding 2000 adults, far past its capacity: no births, but
// every bug touches many others.
void BM_CrowdedFrame(benchmark::State& state) {
  constexpr Int32 kBugs = 2000;
  constexpr int kRewind = 50;
  InstallSettings();
  RndControl::Seed(2);
  auto field = NewField(0);
  const Int32 young = Globals::AgeAtMaturity + 1;
  Populate(*field, kBugs, young, young + kRewind);
  int frames = 0;
  for (auto _ : state) {
    field->Update();
    if (++frames % kRewind == 0) {
      // Keeps every bug alive and adult.
      state.PauseTiming();
      for (Int32 i = 1; i <= field->sprites.Ubound(); ++i)
        static_cast<critterSprite&>(*field->sprites(i)).age -= kRewind;
      state.ResumeTiming();
    }
  }
  if (field->numCritters != kBugs) state.SkipWithError("the crowd changed");
  Globals::Release();
}
BENCHMARK(BM_CrowdedFrame)->Unit(benchmark::kMillisecond);
}  // namespace
