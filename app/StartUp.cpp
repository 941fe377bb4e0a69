#include "app/WindowMain.h"
#include "app/WindowSelectScenario.h"
#include "framework/Functions.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"

namespace Globals {
void StartUp() {
  AgeAtMaturity = 50;
  Interbirth = 20;
  Lifespan = 200;
  NumPopSurfaces = 6;
  MaxNumCritters.Redim(NumPopSurfaces);
  MaxNumCritters(0) = 100;
  MaxNumCritters(1) = 100;
  for (Int32 i = 2; i <= MaxNumCritters.Ubound(); ++i) MaxNumCritters(i) = 25;
  SampleHasBeenOpen = false;
  SampleIsOpen = false;
  ScatterHasBeenOpen = false;
  ScatterIsOpen = false;
  setScenario((Ticks() % 4) + 1);
  SharedWindow<WindowMain>().Show();
  SharedWindow<WindowSelectScenario>().Show();
}
}  // namespace Globals
