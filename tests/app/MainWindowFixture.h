#pragma once

#include <memory>
#include <string>

#include "framework/Runtime.h"
#include "model/Disc.h"
#include "tests/app/AppFixture.h"

// The main window paused and active again with the chooser closed, as the desktop leaves it
// when a dialog closes (the offscreen platform activates no window by itself); no bug in any
// field.
class MainWindowFixture : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Chooser().Close();
    Main().Show();
    Runtime::ProcessEvents();
  }

  // A bug as AddBug makes it, shown as a disc of its own colour so that pixels tell it apart.
  static std::shared_ptr<critterSprite> Bug(popSurface& field, const std::string& phenotype,
                                            Int32 x, Int32 y, Color color = RGB(200, 30, 30)) {
    auto bug = AddBug(field, phenotype, x, y);
    bug->Image(NewDisc(bug->Image()->Width(), color));
    return bug;
  }
};
