#include <gtest/gtest.h>

#include <QTest>

#include <string>
#include <vector>

#include "framework/Clipboard.h"
#include "framework/PopupMenu.h"
#include "framework/RadioButton.h"
#include "framework/Timer.h"
#include "framework/Window.h"
#include "tests/support/UserInput.h"
#include "tests/support/WindowFixture.h"

namespace {
ControlSpec Radio(const char* name, Int32 top, bool on) {
  return {.kind = ControlKind::RadioButton,
          .name = name,
          .left = 10,
          .top = top,
          .width = 120,
          .height = 20,
          .text = name,
          .value = on};
}

WindowLayout ChoicesLayout(std::vector<bool> radiosOn) {
  WindowLayout layout;
  layout.title = "Choices";
  layout.width = 260;
  layout.height = 160;
  const char* names[] = {"Random", "Clustered", "Striped"};
  for (std::size_t i = 0; i < radiosOn.size(); ++i) {
    layout.controls.push_back(Radio(names[i], 10 + 30 * static_cast<Int32>(i), radiosOn[i]));
  }
  layout.controls.push_back({.kind = ControlKind::PopupMenu,
                             .name = "Season",
                             .left = 140,
                             .top = 10,
                             .width = 110,
                             .height = 24,
                             .rows = {"Spring", "Summer", "Autumn"},
                             .listIndex = 1});
  return layout;
}

std::string OnPattern(const Window& w) {
  std::string pattern;
  for (const auto& c : w.Controls()) {
    if (auto* radio = dynamic_cast<RadioButton*>(c.get())) pattern += radio->Value() ? '1' : '0';
  }
  return pattern;
}

using ControlsTest = WindowFixture;

TEST_F(ControlsTest, TheRadioButtonsOfAWindowHaveExactlyOneOn) {
  Window w(ChoicesLayout({false, true, false}));
  w.Build();
  EXPECT_EQ(OnPattern(w), "010");

  w.Get<RadioButton>("Striped").Value(true);
  EXPECT_EQ(OnPattern(w), "001");
  w.Get<RadioButton>("Striped").Value(false);
  EXPECT_EQ(OnPattern(w), "001");
  w.Get<RadioButton>("Random").Value(false);
  EXPECT_EQ(OnPattern(w), "001");

  UserInput::Click(w, 20, 20);
  EXPECT_EQ(OnPattern(w), "100");
}

TEST_F(ControlsTest, ALayoutMarkingSeveralOrNoRadioButtonsOnStillGetsOneOn) {
  struct Case {
    std::vector<bool> marked;
    const char* on;
  };
  const Case cases[] = {{{true, false, true}, "001"},
                        {{true, true, true}, "001"},
                        {{false, false, false}, "100"},
                        {{false}, "1"}};
  for (const Case& c : cases) {
    Window w(ChoicesLayout(c.marked));
    w.Build();
    EXPECT_EQ(OnPattern(w), c.on);
  }
}

TEST_F(ControlsTest, PopupMenuListIndex) {
  Window w(ChoicesLayout({true}));
  w.Build();
  PopupMenu& season = w.Get<PopupMenu>("Season");
  EXPECT_EQ(season.ListIndex(), 1);
  EXPECT_EQ(season.ListCount(), 3);
  EXPECT_EQ(season.List(2), "Autumn");
  for (Int32 ignored : {-1, 3, 99}) {
    season.ListIndex(ignored);
    EXPECT_EQ(season.ListIndex(), 1);
  }
  season.ListIndex(0);
  EXPECT_EQ(season.ListIndex(), 0);
  season.AddRow("Winter");
  season.ListIndex(3);
  EXPECT_EQ(season.List(season.ListIndex()), "Winter");

  UserInput::ChoosePopupRow(season, 2);
  EXPECT_EQ(season.ListIndex(), 2);
}

TEST_F(ControlsTest, APopupMenuWithoutRowsHasNoIndex) {
  PopupMenu empty(ControlSpec{.kind = ControlKind::PopupMenu, .name = "Empty"});
  EXPECT_EQ(empty.ListCount(), 0);
  EXPECT_EQ(empty.ListIndex(), -1);
}

TEST(TimerTest, ModesFireNeverOnceOrRepeatedly) {
  struct Case {
    TimerMode mode;
    int fewest, most;
    TimerMode modeAfter;
  };
  const Case cases[] = {{TimerMode::Off, 0, 0, TimerMode::Off},
                        {TimerMode::Once, 1, 1, TimerMode::Off},
                        {TimerMode::Repeating, 3, 1000, TimerMode::Repeating},
                        {static_cast<TimerMode>(7), 0, 0, TimerMode::Off}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<Int32>(c.mode));
    Timer timer(ControlSpec{.kind = ControlKind::Timer, .name = "Tick", .timerPeriod = 5});
    int fired = 0;
    timer.onAction = [&] { ++fired; };
    timer.Mode(c.mode);
    QTest::qWait(120);
    EXPECT_GE(fired, c.fewest);
    EXPECT_LE(fired, c.most);
    EXPECT_EQ(timer.Mode(), c.modeAfter);
  }
}

TEST(TimerTest, FireRunsTheActionAndEndsAOneShotTimer) {
  Timer timer(ControlSpec{
      .kind = ControlKind::Timer, .name = "Tick", .timerMode = TimerMode::Once, .timerPeriod = 30});
  int fired = 0;
  timer.onAction = [&] { ++fired; };
  timer.Fire();
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(timer.Mode(), TimerMode::Off);
  QTest::qWait(80);
  EXPECT_EQ(fired, 1);

  timer.Mode(TimerMode::Off);
  timer.Fire();
  EXPECT_EQ(fired, 2);
}

TEST(ClipboardTest, TextCommittedByCloseIsReadByTheNextClipboard) {
  Clipboard probe;
  probe.Text = "probe";
  probe.Close();
  if (Clipboard().Text != "probe") GTEST_SKIP() << "this platform keeps no clipboard";

  const std::string text = "Field\tCapacity\r1\t40\r2\t25 ✓";
  Clipboard out;
  out.Text = text;
  EXPECT_EQ(Clipboard().Text, "probe");
  out.Close();
  EXPECT_EQ(Clipboard().Text, text);
}
}  // namespace
