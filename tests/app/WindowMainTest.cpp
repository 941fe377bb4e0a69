#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "app/WindowWhereTo.h"
#include "framework/Runtime.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/UserInput.h"

namespace {
using WindowMainTest = MainWindowFixture;

struct Place {
  const char* name;
  Int32 index, left, top, width, height;
  const char* text;  // caption or label text; null for none
};

const std::vector<Place> kPlaces{
    {"popSurfaces", 0, 16, 31, 256, 184, nullptr},
    {"popSurfaces", 1, 386, 31, 256, 184, nullptr},
    {"popSurfaces", 2, 16, 263, 117, 95, nullptr},
    {"popSurfaces", 3, 175, 263, 117, 95, nullptr},
    {"popSurfaces", 4, 334, 263, 117, 95, nullptr},
    {"popSurfaces", 5, 493, 263, 117, 95, nullptr},
    {"popSurfaces", 6, 653, 263, 117, 95, nullptr},
    {"StaticTextPopSize", 0, 278, 195, 35, 20, "0"},
    {"StaticTextPopSize", 1, 648, 195, 35, 20, "0"},
    {"StaticTextPopSize", 2, 139, 332, 35, 20, "0"},
    {"StaticTextPopSize", 3, 298, 332, 35, 20, "0"},
    {"StaticTextPopSize", 4, 457, 332, 35, 20, "0"},
    {"StaticTextPopSize", 5, 616, 332, 35, 20, "0"},
    {"StaticTextPopSize", 6, 776, 332, 35, 20, "0"},
    {"PushButtonClear", 0, 278, 31, 69, 20, "Clear"},
    {"PushButtonClear", 1, 648, 31, 69, 20, "Clear"},
    {"PushButtonClear", 2, 39, 368, 69, 20, "Clear"},
    {"PushButtonClear", 3, 198, 368, 69, 20, "Clear"},
    {"PushButtonClear", 4, 357, 368, 69, 20, "Clear"},
    {"PushButtonClear", 5, 516, 368, 69, 20, "Clear"},
    {"PushButtonClear", 6, 676, 368, 69, 20, "Clear"},
    {"PushButtonRun", -1, 648, 438, 69, 20, "Run"},
    {"StaticTextNumClicks", -1, 588, 438, 45, 22, "0"},
};

// What a main window shows when it is new: every field prepared and empty, nothing running.
void ExpectNew(WindowMain& main) {
  for (Int32 i = 0; i <= 6; ++i) {
    SCOPED_TRACE("field " + std::to_string(i));
    popSurface& field = main.popSurfaces(i);
    EXPECT_NE(field.Backdrop(), nullptr);
    EXPECT_TRUE(field.ClickToStop());
    EXPECT_EQ(field.FrameSpeed(), 2);
    EXPECT_EQ(field.sprites.Ubound(), 0);
    EXPECT_EQ(field.numCritters, 0);
    EXPECT_EQ(main.StaticTextPopSize(i).Text(), "0");
    EXPECT_TRUE(main.PushButtonClear(i).Enabled());
  }
  EXPECT_EQ(main.fromPond, -1);
  EXPECT_EQ(main.DragSprite, nullptr);
  EXPECT_EQ(main.PushButtonRun().Caption(), "Run");
  EXPECT_EQ(main.TimerMain().Mode(), TimerMode::Off);
  EXPECT_EQ(main.TimerMain().Period(), 100);
  EXPECT_EQ(main.StaticTextNumClicks().Text(), "0");
}

TEST_F(WindowMainTest, LayoutPlacesEveryControl) {
  WindowMain& main = Main();
  EXPECT_EQ(main.Title(), "Quellmoor");
  EXPECT_EQ(main.Width(), 810);
  EXPECT_EQ(main.Height(), 480);
  for (const Place& p : kPlaces) {
    SCOPED_TRACE(std::string(p.name) + "(" + std::to_string(p.index) + ")");
    auto& control = main.Get<RectControl>(p.name, p.index);
    EXPECT_EQ(control.Left(), p.left);
    EXPECT_EQ(control.Top(), p.top);
    EXPECT_EQ(control.Width(), p.width);
    EXPECT_EQ(control.Height(), p.height);
    if (auto* label = dynamic_cast<StaticText*>(&control)) {
      EXPECT_EQ(label->Text(), p.text);
    } else if (auto* button = dynamic_cast<PushButton*>(&control)) {
      EXPECT_EQ(button->Caption(), p.text);
    }
  }
  ExpectNew(main);
}

TEST_F(WindowMainTest, AClosedWindowComesBackNew) {
  PressOkay();
  WindowMain& old = Main();
  UserInput::Click(old.PushButtonRun());
  old.TimerMain().Fire();
  AddBug(old.popSurfaces(6), "7");
  old.UpdateSizes();
  old.Close();

  WindowMain& main = Main();
  EXPECT_NE(&main, &old);
  EXPECT_TRUE(old.IsClosed());
  ExpectNew(main);
}

struct RunRow {
  const char* caption;
  TimerMode mode;  // before the press
  bool clearEnabled;
  const char* captionAfter;
  TimerMode modeAfter;
  bool clearEnabledAfter;
};

TEST_F(WindowMainTest, RunButtonSwitchesBetweenRunningAndPaused) {
  const std::vector<RunRow> rows{
      {"Run", TimerMode::Off, true, "Pause", TimerMode::Repeating, false},
      {"Pause", TimerMode::Repeating, false, "Run", TimerMode::Off, true},
      // Any other caption leaves the state as it is.
      {"Go", TimerMode::Repeating, false, "Go", TimerMode::Repeating, false},
      {"Go", TimerMode::Off, true, "Go", TimerMode::Off, true},
  };
  WindowMain& main = Main();
  for (const RunRow& row : rows) {
    SCOPED_TRACE(std::string(row.caption) + " mode " +
                 std::to_string(static_cast<Int32>(row.mode)));
    main.PushButtonRun().Caption(row.caption);
    main.TimerMain().Mode(row.mode);
    for (Int32 i = 0; i <= 6; ++i) main.PushButtonClear(i).Enabled(row.clearEnabled);

    // A click gives the button the focus; the press hands it back to the window.
    UserInput::Click(main.PushButtonRun());
    EXPECT_EQ(main.PushButtonRun().Caption(), row.captionAfter);
    EXPECT_EQ(main.TimerMain().Mode(), row.modeAfter);
    for (Int32 i = 0; i <= 6; ++i)
      EXPECT_EQ(main.PushButtonClear(i).Enabled(), row.clearEnabledAfter) << "Clear " << i;
    EXPECT_TRUE(main.HasFocus());
  }
}

TEST_F(WindowMainTest, EachTickIsADayOfEveryField) {
  WindowMain& main = Main();
  // A bug about to die in each field, so that each field's frame shows in its count.
  for (Int32 i = 0; i <= 6; ++i) AddBug(main.popSurfaces(i), "7", 10, 10, Globals::Lifespan);
  main.UpdateSizes();
  for (int day = 1; day <= 12; ++day) {
    main.TimerMain().Fire();
    EXPECT_EQ(main.StaticTextNumClicks().Text(), std::to_string(day));
    if (day == 1) {
      for (Int32 i = 0; i <= 6; ++i) {
        EXPECT_EQ(main.popSurfaces(i).numCritters, 0) << "field " << i;
        EXPECT_EQ(main.StaticTextPopSize(i).Text(), "0") << "field " << i;
      }
    }
  }

  // Running, the timer itself brings the days.
  UserInput::Click(main.PushButtonRun());
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (main.StaticTextNumClicks().Text() == "12" && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    Runtime::ProcessEvents();
  }
  EXPECT_EQ(main.StaticTextNumClicks().Text(), "13");
}

TEST_F(WindowMainTest, UpdateSizesRewritesOnlyCountsThatDiffer) {
  struct Row {
    const char* shown;
    Int32 bugs;
    const char* after;
  };
  // One row a field; a label that reads back as the count is left as it stands.
  const std::array<Row, 7> rows{{{"0", 0, "0"},
                                 {"05", 5, "05"},
                                 {"3", 5, "5"},
                                 {"2.0", 2, "2.0"},
                                 {"", 0, ""},
                                 {"12", 0, "0"},
                                 {"1", 25, "25"}}};
  WindowMain& main = Main();
  for (Int32 i = 0; i <= 6; ++i) {
    const Row& row = rows[static_cast<std::size_t>(i)];
    main.StaticTextPopSize(i).Text(row.shown);
    main.popSurfaces(i).numCritters = row.bugs;
  }
  main.UpdateSizes();
  for (Int32 i = 0; i <= 6; ++i)
    EXPECT_EQ(main.StaticTextPopSize(i).Text(), rows[static_cast<std::size_t>(i)].after)
        << "field " << i;
}

TEST_F(WindowMainTest, ClearTakesTheFocusAndIsDeadWhileRunning) {
  WindowMain& main = Main();
  auto bug = AddBug(main.popSurfaces(3), "7");
  // An empty field: nothing but the focus.
  UserInput::Click(main.PushButtonClear(2));
  EXPECT_EQ(main.fromPond, -1);
  EXPECT_TRUE(main.HasFocus());

  UserInput::Click(main.PushButtonRun());
  UserInput::Click(main.PushButtonClear(3));
  EXPECT_EQ(main.fromPond, -1);
  EXPECT_EQ(main.popSurfaces(3).sprites.Ubound(), 1);

  UserInput::Click(main.PushButtonRun());
  UserInput::Click(main.PushButtonClear(3));
  EXPECT_EQ(main.fromPond, 3);
  EXPECT_NE(dynamic_cast<WindowWhereTo*>(FrontWindow()), nullptr);
}
}  // namespace
