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
bool SampleHasBeenOpen = false;
bool SampleIsOpen = false;
Int32 SampleOldLeft = 0;
Int32 SampleOldTop = 0;
bool ScatterHasBeenOpen = false;
bool ScatterIsOpen = false;
Int32 ScatterOldLeft = 0;
Int32 ScatterOldTop = 0;

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

void setScenario(Int32 n) {
  switch (n) {
    case 1:
      Scenario = "Heritability High";
      AlleleFreq(0) = 0.5;
      Heritability = 0.9;
      break;
    case 2:
      Scenario = "Heritability Medium";
      AlleleFreq(0) = 0.5;
      Heritability = 0.5;
      break;
    case 3:
      Scenario = "Heritability Low";
      AlleleFreq(0) = 0.5;
      Heritability = 0.1;
      break;
    case 4:
      Scenario = "Heritability Unknown";
      AlleleFreq(0) = 0.5;
      Heritability = Rnd();
      break;
    default:
      break;
  }
}
}  // namespace Globals
