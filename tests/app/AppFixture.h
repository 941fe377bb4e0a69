#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/WindowMain.h"
#include "app/WindowSelectScenario.h"
#include "model/critterSprite.h"
#include "model/popSurface.h"

// The application as the event loop starts it, without the loop: settings created, the
// application object with its menu bar and handlers, then its Open and EnableMenuItems
// events, then the splash closed as by "Proceed". Torn down as at quit: every window closed and
// released, then the cached pictures, the application object, the menu bar and the settings. An
// exception that would reach the user's report fails the test; Rnd is unscripted before and after.
class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The two halves of SetUp, for fixtures that stop before the application opens.
  void MakeApp();
  void OpenApp();
  void CloseSplash();

  WindowMain& Main();
  WindowSelectScenario& Chooser();
  // Presses "Okay" in the chooser: the start of every run.
  void PressOkay();

  // A bug made by hand, no draw taken: an adult with that phenotype ("larva" makes a larva),
  // its corner at (x, y), attached to the field.
  static std::shared_ptr<critterSprite> AddBug(popSurface& field, const std::string& phenotype,
                                               Int32 x = 10, Int32 y = 10, Int32 age = 60);

  std::vector<std::string> unhandled;
};
