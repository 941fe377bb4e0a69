#include "bench/StandardPopulation.h"

#include "app/WindowMain.h"
#include "app/WindowSelectScenario.h"
#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"
#include "shell/App.h"

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
