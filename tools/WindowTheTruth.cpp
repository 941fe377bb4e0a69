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

void WindowTheTruth::BindControl(Control& control) {
  if (control.Name() == "PushButtonOkay") {
    static_cast<PushButton&>(control).onAction = [this] { PushButtonOkay_Action(); };
  } else if (control.Name() == "PushButtonNowTellMe") {
    static_cast<PushButton&>(control).onAction = [this] { PushButtonNowTellMe_Action(); };
  }
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

void WindowTheTruth::Reveal() {
  const std::string& scenario = Globals::Scenario;
  std::string text;
  if (scenario == "Heritability High") {
    text = "The heritability is 0.9.";
  } else if (scenario == "Heritability Medium") {
    text = "The heritability is 0.5.";
  } else if (scenario == "Heritability Low") {
    text = "The heritability is 0.1";
  } else if (scenario == "Heritability Unknown") {
    text = "The heritability is " + Str(Globals::Heritability);
  } else {
    MsgBox("Error in WindowTheTruth.Open.  There is no scenario.");
  }
  StaticTextTheTruth().Text(text);
}
