#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Rnd.h"
#include "framework/Runtime.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"
#include "shell/Menu.h"
#include "tests/app/AppFixture.h"
#include "tests/support/UserInput.h"

namespace {
using ChooserTest = AppFixture;

std::vector<double> Repeat(double value, int times) {
  return std::vector<double>(times, value);
}

void Add(std::vector<double>& to, const std::vector<double>& more) {
  to.insert(to.end(), more.begin(), more.end());
}

TEST_F(ChooserTest, OpensOnTheRowOfTheScenarioInForce) {
  const std::vector<std::pair<std::string, Int32>> cases{
      {"Heritability High", 0},    {"Heritability Medium", 1}, {"Heritability Low", 2},
      {"Heritability Unknown", 3}, {"heritability low", 0},    {"", 0}};
  for (const auto& [scenario, row] : cases) {
    SCOPED_TRACE(scenario);
    Globals::Scenario = scenario;
    Chooser().Close();
    EXPECT_EQ(Chooser().PopupMenuScenario().ListIndex(), row);
  }
}

// Three bugs whose starting ages are 49, 50 and 200, far apart in field 0, so that the final
// frame breeds nothing. Every draw is scripted: a missing or extra one fails.
TEST_F(ChooserTest, FillingDrawsInOrderAndEndsWithOneFullFrame) {
  Globals::setScenario(1);  // heritability 0.9
  std::vector<double> draws;
  // Bug 1: heading, colour, x, y; fourteen alleles 0; age 0.245 * 200 = 49.
  Add(draws, {0.0, 0.0, 0.0, 0.5});
  Add(draws, Repeat(0.0, 14));
  Add(draws, {0.245});
  // Bug 2: alleles all 1; age 50, an adult at once: fourteen chance draws, all below 0.5.
  Add(draws, {0.0, 0.0, 0.5, 0.5});
  Add(draws, Repeat(0.9, 14));
  Add(draws, {0.25});
  Add(draws, Repeat(0.0, 14));
  // Bug 3: age 200; its phenotype is drawn and it dies in the final frame.
  Add(draws, {0.0, 0.0, 0.999, 0.5});
  Add(draws, Repeat(0.0, 14));
  Add(draws, {0.999});
  Add(draws, Repeat(0.9, 14));
  // The final frame: bug 1 reaches 50 and matures.
  Add(draws, Repeat(0.0, 14));
  RndControl::Script(draws);

  WindowMain& main = Main();
  main.PopulatePond(0, 3);
  EXPECT_EQ(RndControl::Remaining(), 0u);

  popSurface& field = main.popSurfaces(0);
  ASSERT_EQ(field.sprites.Ubound(), 2);
  EXPECT_EQ(field.numCritters, 2);
  auto& first = dynamic_cast<critterSprite&>(*field.sprites(1));
  auto& second = dynamic_cast<critterSprite&>(*field.sprites(2));
  EXPECT_EQ(first.age, 50);
  EXPECT_EQ(first.Image(), first.iAdult);
  EXPECT_EQ(first.phenotype, "1");  // 0.9 * 0 + 0.1 * 14 = 1.4
  EXPECT_EQ(second.age, 51);
  EXPECT_EQ(second.phenotype, "14");  // not evaluated again at 51
  EXPECT_EQ(second.TimeSinceRepro, 21);
  // The counts are the caller's to refresh.
  EXPECT_EQ(main.StaticTextPopSize(0).Text(), "0");
}

TEST_F(ChooserTest, FillingWithNoBugsStillRunsTheFrame) {
  RndControl::Script({});
  Main().PopulatePond(0, 0);
  EXPECT_EQ(Main().popSurfaces(0).sprites.Ubound(), 0);
}

TEST_F(ChooserTest, ReturnPressesOkay) {
  Chooser().PopupMenuScenario().ListIndex(1);
  UserInput::PressKey(Chooser(), "Return");
  EXPECT_EQ(Globals::Scenario, "Heritability Medium");
  EXPECT_DOUBLE_EQ(Globals::Heritability, 0.5);
  const popSurface& left = Main().popSurfaces(0);
  // The final frame can only remove bugs that started at the end of their lives.
  EXPECT_GT(left.numCritters, 90);
  EXPECT_LE(left.numCritters, 100);
  EXPECT_EQ(Main().StaticTextPopSize(0).Text(), std::to_string(left.numCritters));
  for (Int32 i = 1; i <= 6; ++i) EXPECT_EQ(Main().popSurfaces(i).numCritters, 0);
  EXPECT_NE(FrontWindow(), nullptr);
  EXPECT_EQ(dynamic_cast<WindowSelectScenario*>(FrontWindow()), nullptr) << "the chooser closed";
}

TEST_F(ChooserTest, OkayAddsToBugsAlreadyInTheLeftField) {
  AddBug(Main().popSurfaces(0), "7", 100, 100);
  PressOkay();
  EXPECT_GT(Main().popSurfaces(0).numCritters, 91);
  EXPECT_EQ(dynamic_cast<critterSprite&>(*Main().popSurfaces(0).sprites(1)).phenotype, "7");
}

TEST_F(ChooserTest, ClosingTheChooserAppliesNothing) {
  Globals::setScenario(3);
  Chooser().Close();
  Chooser().PopupMenuScenario().ListIndex(0);
  Chooser().Close();
  EXPECT_EQ(Globals::Scenario, "Heritability Low");
  EXPECT_EQ(Main().popSurfaces(0).numCritters, 0);
}

TEST_F(ChooserTest, ResetWhileRunningEmptiesTheFieldsAndCountsOnFromZero) {
  PressOkay();
  WindowMain& main = Main();
  AddBug(main.popSurfaces(3), "4");
  main.PushButtonRun_Action();
  for (int i = 0; i < 3; ++i) main.TimerMain().Fire();
  ASSERT_EQ(main.StaticTextNumClicks().Text(), "3");
  Globals::setScenario(4);
  const double heritability = Globals::Heritability;

  FileReset()->Choose();
  Runtime::ProcessEvents();

  for (Int32 i = 0; i <= 6; ++i) {
    EXPECT_EQ(main.popSurfaces(i).sprites.Ubound(), 0);
    EXPECT_EQ(main.StaticTextPopSize(i).Text(), "0");
  }
  EXPECT_EQ(main.StaticTextNumClicks().Text(), "0");
  EXPECT_EQ(main.PushButtonRun().Caption(), "Pause");
  EXPECT_EQ(main.TimerMain().Mode(), TimerMode::Repeating);
  EXPECT_EQ(FrontWindow(), &Chooser());
  EXPECT_EQ(Chooser().PopupMenuScenario().ListIndex(), 3);
  EXPECT_EQ(Globals::Heritability, heritability) << "Reset keeps the scenario";
  main.TimerMain().Fire();
  EXPECT_EQ(main.StaticTextNumClicks().Text(), "1");
}
}  // namespace
