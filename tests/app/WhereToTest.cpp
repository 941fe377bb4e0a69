#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/WindowWhereTo.h"
#include "framework/PushButton.h"
#include "framework/Rnd.h"
#include "framework/Runtime.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"
#include "shell/Menu.h"
#include "tests/app/ExpectControls.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/UserInput.h"

namespace {
constexpr Int32 kLeft = 0, kRight = 1, kDiscard = 2;
constexpr Int32 kPoolC = 4;

// What a bug shows of itself; a move must leave all of it as it was.
struct BugState {
  Int32 x, y, age;
  double direction;
  PicturePtr image;
  bool operator==(const BugState&) const = default;
};
BugState StateOf(const critterSprite& bug) {
  return {bug.X(), bug.Y(), bug.age, bug.direction, bug.Image()};
}

class WhereToTest : public MainWindowFixture {
 protected:
  // The open where-to dialog, or null; asking the shared accessor would make one.
  static WindowWhereTo* Dialog() {
    for (Window* w : OpenWindows()) {
      if (auto* d = dynamic_cast<WindowWhereTo*>(w)) return d;
    }
    return nullptr;
  }

  // Presses the field's "Clear" where the user would, through the main window.
  void PressClear(Int32 field) {
    const PushButton& clear = Main().PushButtonClear(field);
    UserInput::Click(Main(), clear.Left() + clear.Width() / 2, clear.Top() + clear.Height() / 2);
  }

  WindowWhereTo& OpenFor(Int32 field) {
    PressClear(field);
    WindowWhereTo* dialog = Dialog();
    if (!dialog) throw std::logic_error("no where-to dialog");
    return *dialog;
  }

  // Clicks the destination's radio button.
  static void Choose(WindowWhereTo& dialog, Int32 destination) {
    const RadioButtonDestination& radio = dialog.RadioButtonDestination(destination);
    UserInput::Click(dialog, radio.Left() + 8, radio.Top() + radio.Height() / 2);
  }
  static void Press(WindowWhereTo& dialog, const char* button) {
    UserInput::Click(dialog.Get<PushButton>(button));
  }

  // count bugs in a grid 15 pixels apart, so that none touches another; group 0 bugs never
  // pair, so they cannot breed.
  std::vector<std::shared_ptr<critterSprite>> Fill(Int32 field, Int32 count, Int32 age = 60,
                                                   Int32 group = 0) {
    popSurface& pond = Main().popSurfaces(field);
    const Int32 columns = (pond.Width() - 13) / 15 + 1;
    std::vector<std::shared_ptr<critterSprite>> bugs;
    for (Int32 k = 0; k < count; ++k) {
      bugs.push_back(AddBug(pond, "7", 1 + 15 * (k % columns), 1 + 15 * (k / columns), age));
      bugs.back()->Group(group);
    }
    Main().UpdateSizes();
    return bugs;
  }

  std::vector<smartSprite*> List(Int32 field) {
    const popSurface& pond = Main().popSurfaces(field);
    std::vector<smartSprite*> list;
    for (Int32 i = 1; i <= pond.sprites.Ubound(); ++i) list.push_back(pond.sprites(i).get());
    return list;
  }

  void ExpectCount(Int32 field, Int32 count) {
    EXPECT_EQ(Main().popSurfaces(field).numCritters, count) << "field " << field;
    EXPECT_EQ(Main().StaticTextPopSize(field).Text(), std::to_string(count)) << "field " << field;
  }

  // The dialog has closed and the main window holds no field for it.
  void ExpectFinished() {
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_EQ(Main().fromPond, -1);
  }
};

TEST_F(WhereToTest, LayoutAsGiven) {
  Fill(kPoolC, 1);
  WindowWhereTo& dialog = OpenFor(kPoolC);
  EXPECT_EQ(dialog.Title(), "");
  EXPECT_EQ(dialog.Width(), 356);
  EXPECT_EQ(dialog.Height(), 147);
  EXPECT_EQ(dialog.Layout().frame, WindowFrame::ModalDialog);
  EXPECT_EQ(dialog.Layout().placement, WindowPlacement::Default);
  EXPECT_TRUE(dialog.Layout().closeBox);

  ExpectControls(dialog, {
                             {"StaticText1", -1, 25, 26, 180, 27, "Where should the bugs go?"},
                             {"RadioButtonDestination", 2, 212, 14, 104, 20, "Dump them"},
                             {"RadioButtonDestination", 0, 212, 36, 104, 20, "Left field"},
                             {"RadioButtonDestination", 1, 212, 59, 104, 20, "Right field"},
                             {"PushButtonOkay", -1, 253, 101, 69, 20, "Okay"},
                             {"PushButtonCancel", -1, 164, 101, 69, 20, "Cancel"},
                         });
  EXPECT_TRUE(dialog.RadioButtonDestination(kDiscard).Value());
  EXPECT_FALSE(dialog.RadioButtonDestination(kLeft).Value());
  EXPECT_FALSE(dialog.RadioButtonDestination(kRight).Value());
  EXPECT_TRUE(dialog.Get<PushButton>("PushButtonOkay").IsDefault());
  EXPECT_FALSE(dialog.Get<PushButton>("PushButtonCancel").IsDefault());
}

// Each field in turn: only that field empties, by a frame in which no bug elsewhere changes.
TEST_F(WhereToTest, DumpThemEmptiesThatFieldOnly) {
  auto states = [this](Int32 field) {
    std::vector<BugState> s;
    for (smartSprite* bug : List(field)) s.push_back(StateOf(*bug->asCritter()));
    return s;
  };
  std::vector<std::vector<smartSprite*>> before;
  std::vector<std::vector<BugState>> statesBefore;
  for (Int32 i = 0; i <= 6; ++i) {
    Fill(i, i + 2);
    before.push_back(List(i));
    statesBefore.push_back(states(i));
  }
  RndControl::Script({});
  for (Int32 field = 0; field <= 6; ++field) {
    SCOPED_TRACE("dumping field " + std::to_string(field));
    WindowWhereTo& dialog = OpenFor(field);
    EXPECT_EQ(Main().fromPond, field);
    EXPECT_TRUE(dialog.RadioButtonDestination(kDiscard).Value());
    Press(dialog, "PushButtonOkay");
    ExpectFinished();
    for (Int32 i = 0; i <= 6; ++i) {
      const bool emptied = i <= field;
      EXPECT_EQ(List(i), emptied ? std::vector<smartSprite*>{} : before[i]) << "field " << i;
      if (!emptied) {
        EXPECT_TRUE(states(i) == statesBefore[i]) << "bugs of field " << i << " moved";
      }
      ExpectCount(i, emptied ? 0 : i + 2);
    }
  }
  EXPECT_EQ(RndControl::Remaining(), 0u);
}

TEST_F(WhereToTest, APoolMovesIntoTheLeftFieldLastBugFirstAndNothingMoves) {
  const auto left = Fill(kLeft, 100);
  auto pool = Fill(kPoolC, 5);
  // Bugs on the move, so that a frame that moved or aged them would show.
  for (std::size_t k = 0; k < pool.size(); ++k) {
    pool[k]->speed = 1.0;
    pool[k]->direction = 0.5 * static_cast<double>(k);
    pool[k]->age = 40 + static_cast<Int32>(k);
  }
  for (const auto& bug : left) bug->speed = 1.0;
  std::vector<BugState> poolBefore, leftBefore;
  for (const auto& bug : pool) poolBefore.push_back(StateOf(*bug));
  for (const auto& bug : left) leftBefore.push_back(StateOf(*bug));
  RndControl::Script({});

  WindowWhereTo& dialog = OpenFor(kPoolC);
  Choose(dialog, kLeft);
  EXPECT_TRUE(dialog.RadioButtonDestination(kLeft).Value());
  EXPECT_FALSE(dialog.RadioButtonDestination(kDiscard).Value());
  UserInput::PressKey(dialog, "Return");

  ExpectFinished();
  ExpectCount(kLeft, 105);
  ExpectCount(kPoolC, 0);
  EXPECT_EQ(Main().popSurfaces(kPoolC).sprites.Ubound(), 0);
  const popSurface& field = Main().popSurfaces(kLeft);
  ASSERT_EQ(field.sprites.Ubound(), 105);
  for (std::size_t k = 0; k < left.size(); ++k) {
    EXPECT_EQ(field.sprites(static_cast<Int32>(k) + 1), left[k]);
    EXPECT_EQ(StateOf(*left[k]), leftBefore[k]) << "left bug " << k;
  }
  for (Int32 k = 0; k < 5; ++k) {
    SCOPED_TRACE(testing::Message() << "a" << k + 1);
    const auto& bug = pool[static_cast<std::size_t>(k)];
    EXPECT_EQ(field.sprites(105 - k), bug);
    EXPECT_EQ(StateOf(*bug), poolBefore[static_cast<std::size_t>(k)]);
    EXPECT_EQ(bug->xLoc, bug->X());
    EXPECT_EQ(bug->yLoc, bug->Y());
    EXPECT_EQ(bug->Surface(), &field);
  }
  EXPECT_EQ(Main().StaticTextNumClicks().Text(), "0");
  EXPECT_EQ(RndControl::Remaining(), 0u);
}

// The Right field ends with 200 bugs, twice its capacity: a touching pair of adults ready to
// breed starts no birth until deaths bring the field below 100.
TEST_F(WhereToTest, AMoveIgnoresTheCapacityWhichHoldsBackBirths) {
  Fill(kLeft, 100, Globals::Lifespan - 1);
  Fill(kRight, 97);
  Fill(kRight, 1, Globals::Lifespan - 1);
  auto p = AddBug(Main().popSurfaces(kRight), "7", 200, 160);
  auto q = AddBug(Main().popSurfaces(kRight), "7", 205, 160);
  p->TimeSinceRepro = q->TimeSinceRepro = Globals::Interbirth + 10;
  Main().UpdateSizes();
  ExpectCount(kRight, 100);
  RndControl::Script({});

  WindowWhereTo& dialog = OpenFor(kLeft);
  Choose(dialog, kRight);
  Press(dialog, "PushButtonOkay");
  ExpectFinished();
  ExpectCount(kRight, 200);
  ExpectCount(kLeft, 0);

  // Day 1: the pair touches, but the field is full; the 101 old bugs reach the lifespan.
  Main().TimerMain().Fire();
  ExpectCount(kRight, 200);
  EXPECT_EQ(RndControl::Remaining(), 0u);

  // Day 2: they die, and with 99 left the pair's first bug starts one birth (19 draws); the
  // second finds the field full again.
  RndControl::Script(std::vector<double>(19, 0.5));
  Main().TimerMain().Fire();
  ExpectCount(kRight, 100);
  EXPECT_EQ(RndControl::Remaining(), 0u);
  EXPECT_EQ(p->TimeSinceRepro, 0);
  EXPECT_EQ(q->TimeSinceRepro, Globals::Interbirth + 12);
}

// Its bugs stay, in reverse order, and then live one full day, which the counter does not see.
TEST_F(WhereToTest, AFieldMovedIntoItselfIsReversedAndRunsOneFullFrame) {
  for (Int32 field : {kLeft, kRight}) {
    SCOPED_TRACE("field " + std::to_string(field));
    auto bugs = Fill(field, 3);
    std::vector<BugState> before;
    for (auto& bug : bugs) {
      bug->speed = 1.0;
      before.push_back(StateOf(*bug));
    }
    RndControl::Script({});
    WindowWhereTo& dialog = OpenFor(field);
    Choose(dialog, field);
    Press(dialog, "PushButtonOkay");
    ExpectFinished();
    EXPECT_EQ(List(field),
              (std::vector<smartSprite*>{bugs[2].get(), bugs[1].get(), bugs[0].get()}));
    for (std::size_t k = 0; k < bugs.size(); ++k) {
      BugState moved = before[k];
      moved.x += 1;
      moved.age += 1;
      EXPECT_EQ(StateOf(*bugs[k]), moved) << "bug " << k;
    }
    ExpectCount(field, 3);
    EXPECT_EQ(Main().StaticTextNumClicks().Text(), "0");
    EXPECT_EQ(RndControl::Remaining(), 0u);
  }
}

// Cancel and the close box leave every field alone; the next opening starts on "Dump them".
TEST_F(WhereToTest, CancelAndTheCloseBoxChangeNothing) {
  Fill(kLeft, 4);
  Fill(kRight, 3);
  Fill(kPoolC, 2);
  const auto left = List(kLeft), right = List(kRight), pool = List(kPoolC);
  RndControl::Script({});
  for (Int32 choice : {kLeft, kRight, kDiscard}) {
    SCOPED_TRACE("choice " + std::to_string(choice));
    WindowWhereTo& dialog = OpenFor(kPoolC);
    EXPECT_TRUE(dialog.RadioButtonDestination(kDiscard).Value()) << "a fresh choice";
    Choose(dialog, choice);
    EXPECT_TRUE(dialog.RadioButtonDestination(choice).Value());
    Press(dialog, "PushButtonCancel");
    ExpectFinished();
    EXPECT_EQ(List(kLeft), left);
    EXPECT_EQ(List(kRight), right);
    EXPECT_EQ(List(kPoolC), pool);
  }

  // Its close box leaves fromPond as it was, until the next Clear sets it.
  WindowWhereTo& dialog = OpenFor(kPoolC);
  Choose(dialog, kLeft);
  UserInput::CloseBox(dialog);
  EXPECT_EQ(Dialog(), nullptr);
  EXPECT_EQ(Main().fromPond, kPoolC);
  EXPECT_EQ(List(kLeft), left);
  EXPECT_EQ(List(kPoolC), pool);
  EXPECT_TRUE(OpenFor(kRight).RadioButtonDestination(kDiscard).Value());
  EXPECT_EQ(Main().fromPond, kRight);
  EXPECT_EQ(RndControl::Remaining(), 0u);
}

TEST_F(WhereToTest, ClearOpensTheDialogOnlyForAFieldWithBugsWhilePaused) {
  Fill(kPoolC, 1);
  PressClear(kRight);  // empty
  EXPECT_EQ(Dialog(), nullptr);
  EXPECT_EQ(Main().fromPond, -1);
  EXPECT_TRUE(Main().HasFocus());

  UserInput::Click(Main().PushButtonRun());
  PressClear(kPoolC);
  EXPECT_EQ(Dialog(), nullptr);
  EXPECT_EQ(Main().fromPond, -1);

  UserInput::Click(Main().PushButtonRun());
  PressClear(kPoolC);
  ASSERT_NE(Dialog(), nullptr);
  EXPECT_EQ(FrontWindow(), Dialog());
  EXPECT_EQ(Main().fromPond, kPoolC);
}

// While the dialog is up, presses on the main window's buttons and fields and its menu
// commands reach nothing behind it; once it is gone the same press works.
TEST_F(WhereToTest, TheMainWindowIsBlockedWhileTheDialogIsOpen) {
  Fill(kLeft, 2);
  auto bug = Fill(kPoolC, 1).front();
  WindowMain& main = Main();
  WindowWhereTo& dialog = OpenFor(kPoolC);
  const PushButton& run = main.PushButtonRun();
  const Int32 runX = run.Left() + run.Width() / 2, runY = run.Top() + run.Height() / 2;

  UserInput::Click(main, runX, runY);
  PressClear(kLeft);
  const popSurface& pool = main.popSurfaces(kPoolC);
  const Int32 bugX = pool.Left() + bug->X() + 6, bugY = pool.Top() + bug->Y() + 6;
  UserInput::MouseDown(main, bugX, bugY);
  UserInput::MouseUp(main, main.popSurfaces(kRight).Left() + 50,
                     main.popSurfaces(kRight).Top() + 50);
  FileReset()->Choose();
  Runtime::ProcessEvents();

  EXPECT_EQ(Dialog(), &dialog);
  EXPECT_EQ(main.PushButtonRun().Caption(), "Run");
  EXPECT_EQ(main.fromPond, kPoolC);
  EXPECT_EQ(main.DragSprite, nullptr);
  ExpectCount(kLeft, 2);
  ExpectCount(kPoolC, 1);
  ExpectCount(kRight, 0);

  Press(dialog, "PushButtonCancel");
  main.Show();
  Runtime::ProcessEvents();
  UserInput::Click(main, runX, runY);
  EXPECT_EQ(main.PushButtonRun().Caption(), "Pause");
}
}  // namespace
