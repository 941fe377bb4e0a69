#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "app/WindowSplash.h"
#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/Runtime.h"
#include "framework/SharedWindow.h"
#include "framework/Timer.h"
#include "model/Globals.h"
#include "shell/App.h"
#include "shell/Main.h"
#include "shell/Menu.h"
#include "tests/app/AppFixture.h"
#include "tools/ToolWindowPlace.h"

namespace {
const std::array<std::string, 4> kScenarios{"Heritability High", "Heritability Medium",
                                            "Heritability Low", "Heritability Unknown"};

class StartUpTest : public AppFixture {
 protected:
  void SetUp() override { MakeApp(); }
};

TEST_F(StartUpTest, OpenSetsTheSettingsDrawsAScenarioAndPutsTheSplashInFrontOfTheChooser) {
  // What a previous run could have left behind.
  Globals::SampleHasBeenOpen = Globals::SampleIsOpen = true;
  Globals::ScatterHasBeenOpen = Globals::ScatterIsOpen = true;
  App::Instance().Event_Open();

  EXPECT_EQ(Globals::AgeAtMaturity, 50);
  EXPECT_EQ(Globals::Interbirth, 20);
  EXPECT_EQ(Globals::Lifespan, 200);
  EXPECT_EQ(Globals::NumPopSurfaces, 6);
  ASSERT_EQ(Globals::MaxNumCritters.Ubound(), 6);
  const std::array<Int32, 7> capacity{100, 100, 25, 25, 25, 25, 25};
  for (Int32 i = 0; i <= 6; ++i)
    EXPECT_EQ(Globals::MaxNumCritters(i), capacity[static_cast<std::size_t>(i)]) << "field " << i;
  EXPECT_FALSE(Globals::SampleHasBeenOpen);
  EXPECT_FALSE(Globals::SampleIsOpen);
  EXPECT_FALSE(Globals::ScatterHasBeenOpen);
  EXPECT_FALSE(Globals::ScatterIsOpen);
  const auto drawn = std::find(kScenarios.begin(), kScenarios.end(), Globals::Scenario);
  ASSERT_NE(drawn, kScenarios.end()) << Globals::Scenario;
  EXPECT_EQ(Globals::AlleleFreq(0), 0.5);

  Runtime::ProcessEvents();
  const std::vector<Window*> open = OpenWindows();
  ASSERT_EQ(open.size(), 3u);
  EXPECT_EQ(open[0], &Main());
  EXPECT_EQ(open[1], &Chooser());
  EXPECT_EQ(open[2], &SharedWindow<WindowSplash>());
  EXPECT_EQ(FrontWindow(), &SharedWindow<WindowSplash>());
  EXPECT_EQ(Chooser().PopupMenuScenario().ListIndex(), drawn - kScenarios.begin());
}

// The whole road of the program: entry, the event loop with the first windows, the quit item,
// and the release of everything the run made.
TEST(MainTest, RunsTheLoopUntilQuitAndReleasesWhatItMade) {
  std::vector<std::string> unhandled;
  Runtime::OnUnhandledException([&](const std::string& className, const std::string& what) {
    unhandled.push_back(className + ": " + what);
  });
  DialogHooks::OnMsgBox([&](const std::string& text) { unhandled.push_back(text); });

  struct Seen {
    bool open = false;
    bool sharesBar = false;
    bool splashInFront = false;
    std::vector<std::string> enabled, handled;
  } seen;
  Timer probe(ControlSpec{
      .kind = ControlKind::Timer, .timerMode = TimerMode::Repeating, .timerPeriod = 10});
  int ticks = 0;
  probe.onAction = [&] {
    Application* app = Application::Instance();
    // Waits for the first windows; gives up after a few seconds rather than hang.
    if (++ticks < 500 && OpenWindows().size() < 3) return;
    probe.Mode(TimerMode::Off);
    if (!app) return;
    seen.open = OpenWindows().size() == 3;
    seen.sharesBar = app->MenuBar() == Menu::Shared();
    seen.splashInFront = FrontWindow() == &SharedWindow<WindowSplash>();
    for (const char* name : {"AppAboutMyApplication", "ToolsSample", "ToolsTellthetruth",
                             "FileReset", "ToolsScatterplot", "FileQuit", "EditUndo", "EditCut",
                             "EditCopy", "EditPaste", "EditClear"}) {
      if (app->MenuBar()->Lookup(name)->Enabled()) seen.enabled.push_back(name);
      if (app->HasMenuHandler(name)) seen.handled.push_back(name);
    }
    app->MenuBar()->Lookup("FileQuit")->Choose();
  };

  char name[] = "quellmoor";
  char* argv[] = {name, nullptr};
  EXPECT_EQ(Main(1, argv), 0);

  EXPECT_TRUE(seen.open);
  EXPECT_TRUE(seen.sharesBar);
  EXPECT_TRUE(seen.splashInFront);
  const std::vector<std::string> five{"AppAboutMyApplication", "ToolsSample", "ToolsTellthetruth",
                                      "FileReset", "ToolsScatterplot"};
  std::vector<std::string> enabled = five;
  enabled.push_back("FileQuit");  // always: the framework's own item
  EXPECT_EQ(seen.enabled, enabled);
  EXPECT_EQ(seen.handled, five);
  Runtime::ProcessEvents();
  EXPECT_EQ(Application::Instance(), nullptr);
  EXPECT_TRUE(OpenWindows().empty());
  EXPECT_EQ(Globals::MaxNumCritters.Ubound(), -1);
  EXPECT_EQ(Globals::AlleleFreq.Ubound(), -1);
  Runtime::OnUnhandledException({});
  DialogHooks::OnMsgBox({});
  EXPECT_TRUE(unhandled.empty()) << unhandled.front();
}
}  // namespace
