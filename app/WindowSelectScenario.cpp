#include "app/WindowSelectScenario.h"

#include <array>

#include "app/WindowMain.h"
#include "framework/PushButton.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"
#include "resources/layouts/Layouts.h"

namespace {
// Row i of the pop-up stands for scenario i + 1.
constexpr std::array<const char*, 4> kScenarioNames{"Heritability High", "Heritability Medium",
                                                    "Heritability Low", "Heritability Unknown"};
}  // namespace

WindowSelectScenario::WindowSelectScenario() : Window(WindowSelectScenarioLayout()) {}

void WindowSelectScenario::BindControl(Control& control) {
  if (control.Name() == "PushButtonOkay") {
    static_cast<PushButton&>(control).onAction = [this] { PushButtonOkay_Action(); };
  } else if (control.Name() == "PopupMenuScenario") {
    control.onOpen = [this] { PopupMenuScenario_Open(); };
  }
}

void WindowSelectScenario::PopupMenuScenario_Open() {
  for (std::size_t row = 0; row < kScenarioNames.size(); ++row) {
    if (Globals::Scenario == kScenarioNames[row]) {
      PopupMenuScenario().ListIndex(static_cast<Int32>(row));
      return;
    }
  }
}

void WindowSelectScenario::PushButtonOkay_Action() {
  Globals::setScenario(PopupMenuScenario().ListIndex() + 1);
  SharedWindow<WindowMain>().Show();
  for (Int32 field = 0; field <= 0; ++field)
    SharedWindow<WindowMain>().PopulatePond(field, Globals::MaxNumCritters(field));
  SharedWindow<WindowMain>().UpdateSizes();
  Close();
}
