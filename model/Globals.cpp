#include "model/Globals.h"

#include "framework/Rnd.h"

namespace Globals {
Int32 NumPopSurfaces = 0;
Array<Int32> MaxNumCritters;
Int32 AgeAtMaturity = 0;
Int32 Interbirth = 0;
Int32 Lifespan = 0;
Array<double> AlleleFreq;
std::string Scenario;
double Heritability = 0.0;

void CreateArrays() {
  MaxNumCritters = Array<Int32>(0);
  AlleleFreq = Array<double>(0);
}

void Release() {
  MaxNumCritters = Array<Int32>(-1);
  AlleleFreq = Array<double>(-1);
  Scenario.clear();
}

void SetPopulationConstants() {
  AgeAtMaturity = 50;
  Interbirth = 20;
  Lifespan = 200;
  NumPopSurfaces = 6;
  MaxNumCritters.Redim(NumPopSurfaces);
  MaxNumCritters(0) = 100;
  MaxNumCritters(1) = 100;
  for (Int32 i = 2; i <= MaxNumCritters.Ubound(); ++i) MaxNumCritters(i) = 25;
}

const std::array<ScenarioEntry, 4> Scenarios{{
    {1, "Heritability High", 0.9},
    {2, "Heritability Medium", 0.5},
    {3, "Heritability Low", 0.1},
    {4, "Heritability Unknown", -1.0},
}};

const ScenarioEntry* FindScenario(const std::string& name) {
  for (const ScenarioEntry& s : Scenarios) {
    if (name == s.name) return &s;
  }
  return nullptr;
}

void setScenario(Int32 n) {
  if (n < 1 || n > static_cast<Int32>(Scenarios.size())) return;
  const ScenarioEntry& s = Scenarios[static_cast<std::size_t>(n - 1)];
  Scenario = s.name;
  AlleleFreq(0) = 0.5;
  Heritability = s.heritability < 0.0 ? Rnd() : s.heritability;
}
}  // namespace Globals
