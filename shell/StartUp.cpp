#include "shell/StartUp.h"

#include "app/WindowMain.h"
#include "app/WindowSelectScenario.h"
#include "app/WindowSplash.h"
#include "framework/Functions.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"
#include "tools/ToolWindowPlace.h"

namespace Globals {
void StartUp() {
  SetPopulationConstants();
  SampleHasBeenOpen = false;
  SampleIsOpen = false;
  ScatterHasBeenOpen = false;
  ScatterIsOpen = false;
  setScenario((Ticks() % 4) + 1);
  SharedWindow<WindowMain>().Show();
  SharedWindow<WindowSelectScenario>().Show();
  SharedWindow<WindowSplash>().Show();
}
}  // namespace Globals
