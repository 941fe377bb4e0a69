#include "app/WindowSelectScenario.h"

#include "app/WindowMain.h"
#include "framework/PushButton.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"
#include "resources/layouts/Layouts.h"

WindowSelectScenario::WindowSelectScenario() : Window(WindowSelectScenarioLayout()) {}

void WindowSelectScenario::BindControls() {
  On(Get<PushButton>("PushButtonOkay").onAction, &WindowSelectScenario::PushButtonOkay_Action);
  On(PopupMenuScenario().onOpen, &WindowSelectScenario::PopupMenuScenario_Open);
}

// Row n - 1 stands for scenario n; a name that is none of them leaves row 0.
void WindowSelectScenario::PopupMenuScenario_Open() {
  if (const Globals::ScenarioEntry* s = Globals::FindScenario(Globals::Scenario))
    PopupMenuScenario().ListIndex(s->number - 1);
}

void WindowSelectScenario::PushButtonOkay_Action() {
  Globals::setScenario(PopupMenuScenario().ListIndex() + 1);
  SharedWindow<WindowMain>().Show();
  SharedWindow<WindowMain>().PopulatePond(0, Globals::MaxNumCritters(0));
  SharedWindow<WindowMain>().UpdateSizes();
  Close();
}
