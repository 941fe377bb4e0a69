#pragma once

#include "framework/EditField.h"
#include "framework/StaticText.h"
#include "framework/Window.h"

// Reveals the heritability of the scenario in force once the fixed password is typed. Its
// state lives in its controls: the typed text, the "Sorry. Try again." label and the box.
class WindowTheTruth : public Window {
 public:
  WindowTheTruth();

  EditField& EditFieldPassword() const { return Get<EditField>("EditFieldPassword"); }
  StaticText& StaticTextTheTruth() const { return Get<StaticText>("StaticTextTheTruth"); }
  StaticText& StaticTextTryAgain() const { return Get<StaticText>("StaticTextTryAgain"); }

  // "Close".
  void PushButtonOkay_Action();
  // "Now tell me." (also Return): reveals with the password, else empties the field and
  // shows "Sorry. Try again.".
  void PushButtonNowTellMe_Action();
  // Writes the answer for Globals::Scenario into the box.
  void Reveal();

 protected:
  void BindControls() override;
};
