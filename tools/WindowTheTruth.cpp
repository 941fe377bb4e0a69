#include "tools/WindowTheTruth.h"

#include <string>

#include "framework/Dialogs.h"
#include "framework/Functions.h"
#include "framework/PushButton.h"
#include "model/Globals.h"
#include "resources/layouts/Layouts.h"

namespace {
// Compared exactly: a blank more, a letter less or another letter case is a wrong text.
const char* const kPassword = "Brevok";
}  // namespace

WindowTheTruth::WindowTheTruth() : Window(WindowTheTruthLayout()) {}

void WindowTheTruth::BindControls() {
  On(Get<PushButton>("PushButtonOkay").onAction, &WindowTheTruth::PushButtonOkay_Action);
  On(Get<PushButton>("PushButtonNowTellMe").onAction, &WindowTheTruth::PushButtonNowTellMe_Action);
}

void WindowTheTruth::PushButtonOkay_Action() {
  Close();
}

void WindowTheTruth::PushButtonNowTellMe_Action() {
  if (EditFieldPassword().Text() == kPassword) {
    Reveal();
  } else {
    EditFieldPassword().Text("");
    StaticTextTryAgain().Visible(true);
  }
}

// The texts by scenario number; the third and fourth end without a period.
void WindowTheTruth::Reveal() {
  std::string text;
  const Globals::ScenarioEntry* scenario = Globals::FindScenario(Globals::Scenario);
  switch (scenario ? scenario->number : 0) {
    case 1:
      text = "The heritability is 0.9.";
      break;
    case 2:
      text = "The heritability is 0.5.";
      break;
    case 3:
      text = "The heritability is 0.1";
      break;
    case 4:
      text = "The heritability is " + Str(Globals::Heritability);
      break;
    default:
      MsgBox("Error in WindowTheTruth.Open.  There is no scenario.");
      break;
  }
  StaticTextTheTruth().Text(text);
}
