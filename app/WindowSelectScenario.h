#pragma once

#include "framework/PopupMenu.h"
#include "framework/Window.h"

// The dialog in which the user picks one of the four scenarios; "Okay" applies it and fills
// the Left field to start a run.
class WindowSelectScenario : public Window {
 public:
  WindowSelectScenario();

  PopupMenu& PopupMenuScenario() const { return Get<PopupMenu>("PopupMenuScenario"); }

  void PushButtonOkay_Action();
  // Selects the row of the scenario in force.
  void PopupMenuScenario_Open();

 protected:
  void BindControls() override;
};
