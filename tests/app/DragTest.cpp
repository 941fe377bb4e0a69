#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/EditField.h"
#include "model/Globals.h"
#include "model/wormSprite.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/UserInput.h"

namespace {
using DragTest = MainWindowFixture;

struct Rect {
  Int32 left, top, width, height;
  friend bool operator==(const Rect&, const Rect&) = default;
};
Rect PlaceOf(const RectControl& c) {
  return {c.Left(), c.Top(), c.Width(), c.Height()};
}
std::ostream& operator<<(std::ostream& os, const Rect& r) {
  return os << r.left << "," << r.top << " " << r.width << "x" << r.height;
}

// The field whose list holds the sprite, or -1.
Int32 FieldOf(WindowMain& main, const smartSprite* sprite) {
  for (Int32 i = 0; i <= Globals::NumPopSurfaces; ++i) {
    const popSurface& field = main.popSurfaces(i);
    for (Int32 k = 1; k <= field.sprites.Ubound(); ++k)
      if (field.sprites(k).get() == sprite) return i;
  }
  return -1;
}

void ExpectIdle(WindowMain& main) {
  EXPECT_FALSE(main.spritePopUp1().Visible());
  EXPECT_FALSE(main.spriteDataPopUp1().Visible());
}

const Color kRed = RGB(200, 30, 30);
const Color kWhite = RGB(255, 255, 255);
const Color kGrey = RGB(150, 150, 150);

TEST_F(DragTest, WorkedExampleWithTheMouse) {
  WindowMain& main = Main();
  popSurface& left = main.popSurfaces(0);
  Bug(left, "3", 150, 100, RGB(30, 30, 200));
  auto bug = Bug(left, "7", 40, 30);
  main.UpdateSizes();
  ExpectIdle(main);

  UserInput::MouseDown(main, 60, 67);
  EXPECT_EQ(main.DragSprite, bug);
  EXPECT_EQ(bug->X(), -4);
  EXPECT_EQ(bug->Y(), -6);
  EXPECT_EQ(FieldOf(main, bug.get()), -1);
  EXPECT_EQ(left.numCritters, 1);
  // The counts are refreshed at the release, not at the pick-up.
  EXPECT_EQ(main.StaticTextPopSize(0).Text(), "2");
  EXPECT_TRUE(main.spritePopUp1().Visible());
  EXPECT_EQ(PlaceOf(main.spritePopUp1()), (Rect{55, 60, 15, 15}));
  EXPECT_TRUE(main.spriteDataPopUp1().Visible());
  EXPECT_EQ(PlaceOf(main.spriteDataPopUp1()), (Rect{65, 79, 100, 80}));

  // The bug's own image in a grey frame, over the place where the field showed it; the
  // image's white corners let the field show through.
  PicturePtr shot = UserInput::Grab(main);
  EXPECT_EQ(shot->Pixel(62, 67), kRed);
  EXPECT_EQ(shot->Pixel(56, 61), kWhite);
  for (Int32 k = 60; k <= 74; ++k) {
    EXPECT_EQ(shot->Pixel(55, k), kGrey) << "left edge at " << k;
    EXPECT_EQ(shot->Pixel(k - 5, 60), kGrey) << "top edge at " << k - 5;
  }
  // The card lies above the drag picture.
  EXPECT_EQ(shot->Pixel(65, 79), RGB(0, 0, 0));
  EXPECT_EQ(shot->Pixel(66, 80), RGB(254, 254, 254));

  UserInput::MouseMove(main, 100, 67);
  EXPECT_EQ(PlaceOf(main.spritePopUp1()), (Rect{95, 60, 15, 15}));
  EXPECT_EQ(PlaceOf(main.spriteDataPopUp1()), (Rect{105, 79, 100, 80}));
  EXPECT_EQ(UserInput::Grab(main)->Pixel(102, 67), kRed);

  UserInput::MouseUp(main, 100, 67);
  EXPECT_EQ(main.DragSprite, nullptr);
  ASSERT_EQ(left.sprites.Ubound(), 2);
  EXPECT_EQ(left.sprites(2), bug);
  EXPECT_EQ(bug->X(), 80);
  EXPECT_EQ(bug->Y(), 30);
  EXPECT_EQ(left.numCritters, 2);
  EXPECT_EQ(main.StaticTextPopSize(0).Text(), "2");
  ExpectIdle(main);
  shot = UserInput::Grab(main);
  EXPECT_EQ(shot->Pixel(16 + 86, 31 + 36), kRed);
  EXPECT_EQ(shot->Pixel(16 + 46, 31 + 36), kWhite);
}

TEST_F(DragTest, TheReleaseDecidesWhereTheBugGoes) {
  struct Row {
    const char* where;
    Int32 x, y;
    Int32 field;  // -1: lost
    bool full;    // the field holds its capacity before the drop
  };
  const std::vector<Row> rows{
      {"own field, elsewhere", 200, 150, 0, false},
      {"right field", 400, 100, 1, false},
      {"full pool A", 60, 300, 2, true},
      {"pool E", 700, 300, 6, false},
      {"left field's border line", 16, 100, -1, false},
      {"count label", 290, 200, -1, false},
      {"Run button", 680, 448, -1, false},
      {"beyond the window's right edge", 900, 100, -1, false},
      {"beyond the window's top left", -30, -20, -1, false},
  };
  WindowMain& main = Main();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.where);
    main.ClearAll();
    popSurface& left = main.popSurfaces(0);
    Bug(left, "3", 150, 100);
    auto bug = Bug(left, "7", 40, 30);
    Int32 filled = 0;
    if (row.full) {
      filled = Globals::MaxNumCritters(row.field);
      for (Int32 n = 0; n < filled; ++n) Bug(main.popSurfaces(row.field), "5", 2 * n, 50);
    }
    main.UpdateSizes();

    UserInput::MouseDown(main, 60, 67);
    ASSERT_EQ(main.DragSprite, bug);
    UserInput::MouseMove(main, (60 + row.x) / 2, (67 + row.y) / 2);
    UserInput::MouseMove(main, row.x, row.y);
    EXPECT_EQ(main.StaticTextPopSize(0).Text(), "2");
    UserInput::MouseUp(main, row.x, row.y);

    ExpectIdle(main);
    EXPECT_EQ(FieldOf(main, bug.get()), row.field);
    const Int32 leftCount = row.field == 0 ? 2 : 1;
    EXPECT_EQ(main.StaticTextPopSize(0).Text(), std::to_string(leftCount));
    if (row.field < 0) continue;
    popSurface& target = main.popSurfaces(row.field);
    EXPECT_EQ(target.sprites(target.sprites.Ubound()), bug);
    EXPECT_EQ(bug->X(), row.x - target.Left() - 4);
    EXPECT_EQ(bug->Y(), row.y - target.Top() - 6);
    if (row.field != 0) {
      EXPECT_EQ(target.numCritters, filled + 1);
      EXPECT_EQ(main.StaticTextPopSize(row.field).Text(), std::to_string(filled + 1));
    }
  }
}

TEST_F(DragTest, APressThatTakesNoBugStartsNoDrag) {
  struct Row {
    const char* where;
    Int32 x, y;
    bool running;
  };
  const std::vector<Row> rows{
      {"on the bug while running", 60, 67, true},
      {"between the bugs", 120, 67, false},
      {"on the field's border line", 16, 67, false},
      {"on the window's background", 350, 420, false},
  };
  WindowMain& main = Main();
  popSurface& left = main.popSurfaces(0);
  auto bug = Bug(left, "7", 40, 30);
  Bug(left, "3", 150, 100);
  main.UpdateSizes();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.where);
    if (row.running) UserInput::Click(main.PushButtonRun());
    ASSERT_EQ(main.PushButtonRun().Caption(), row.running ? "Pause" : "Run");
    // Every press takes the focus first, from a pool-name field here.
    UserInput::Click(main, 40, 246);
    ASSERT_FALSE(main.HasFocus());
    EXPECT_FALSE(main.Event_MouseDown(row.x, row.y));
    EXPECT_TRUE(main.HasFocus());

    // The same press with the mouse, carried into the Right field.
    UserInput::MouseDown(main, row.x, row.y);
    ExpectIdle(main);
    UserInput::MouseMove(main, 400, 100);
    UserInput::MouseUp(main, 400, 100);
    EXPECT_EQ(main.DragSprite, nullptr);
    EXPECT_EQ(left.sprites(1), bug);
    EXPECT_EQ(main.popSurfaces(1).sprites.Ubound(), 0);
    EXPECT_EQ(main.StaticTextPopSize(0).Text(), "2");
    ExpectIdle(main);
    if (row.running) UserInput::Click(main.PushButtonRun());
  }
}

TEST_F(DragTest, ABugReleasedOutsideEveryFieldIsNeverShownAgain) {
  WindowMain& main = Main();
  popSurface& left = main.popSurfaces(0);
  auto bug = Bug(left, "7", 40, 30);
  UserInput::MouseDown(main, 60, 67);
  UserInput::MouseUp(main, 350, 420);
  ASSERT_EQ(FieldOf(main, bug.get()), -1);

  // Presses that take nothing, outside the fields and on empty ground, show nothing.
  EXPECT_FALSE(main.Event_MouseDown(350, 420));
  ExpectIdle(main);
  EXPECT_FALSE(main.Event_MouseDown(60, 67));
  EXPECT_EQ(main.DragSprite, nullptr);
  ExpectIdle(main);
  UserInput::MouseDown(main, 350, 420);
  UserInput::MouseUp(main, 60, 67);
  EXPECT_EQ(left.sprites.Ubound(), 0);
}

TEST_F(DragTest, TheCardKeepsItsRightEdgeInsideTheWindow) {
  WindowMain& main = Main();
  spriteDataPopUp& card = main.spriteDataPopUp1();
  popSurface& poolE = main.popSurfaces(6);  // 653, 263, 117 by 95
  struct Step {
    Int32 x, y;
    Int32 cardLeft, cardTop;
  };
  // Pick-ups at x, each on a bug under the pointer.
  const std::vector<Step> pickUps{
      {700, 300, 705, 312}, {704, 300, 709, 312}, {705, 300, 710, 312},
      {706, 300, 710, 312}, {765, 357, 710, 369},
  };
  for (const Step& s : pickUps) {
    SCOPED_TRACE("pick-up at " + std::to_string(s.x));
    poolE.clear();
    Bug(poolE, "7", s.x - poolE.Left() - 6, s.y - poolE.Top() - 6);
    UserInput::MouseDown(main, s.x, s.y);
    EXPECT_EQ(card.Left(), s.cardLeft);
    EXPECT_EQ(card.Top(), s.cardTop);
    UserInput::MouseUp(main, s.x, s.y);
  }

  // Drag steps from a pick-up at (700, 300); the pointer may leave the window.
  const std::vector<Step> drags{
      {704, 310, 709, 322}, {705, 300, 710, 312}, {706, 290, 710, 302},
      {900, 600, 710, 612}, {-50, 100, -45, 112}, {700, 300, 705, 312},
  };
  poolE.clear();
  auto bug = Bug(poolE, "7", 700 - poolE.Left() - 6, 300 - poolE.Top() - 6);
  UserInput::MouseDown(main, 700, 300);
  for (const Step& s : drags) {
    SCOPED_TRACE("drag to " + std::to_string(s.x) + "," + std::to_string(s.y));
    UserInput::MouseMove(main, s.x, s.y);
    EXPECT_EQ(card.Left(), s.cardLeft);
    EXPECT_EQ(card.Top(), s.cardTop);
    EXPECT_EQ(main.spritePopUp1().Left(), s.x - 7);
    EXPECT_EQ(main.spritePopUp1().Top(), s.y - 7);
  }

  // A step that reports the last position again changes nothing.
  card.Left(3);
  main.spritePopUp1().Top(4);
  main.Event_MouseDrag(700, 300);
  EXPECT_EQ(card.Left(), 3);
  EXPECT_EQ(main.spritePopUp1().Top(), 4);
  UserInput::MouseUp(main, 700, 300);
  EXPECT_EQ(FieldOf(main, bug.get()), 6);
}

TEST_F(DragTest, ASpriteThatIsNoLadybugGetsTheDragPictureButNoCard) {
  WindowMain& main = Main();
  auto worm = std::make_shared<wormSprite>();
  worm->Image(NewDisc(7, kRed));
  worm->Group(1);
  worm->X(40);
  worm->Y(30);
  main.popSurfaces(0).doAttach(worm);
  spriteDataPopUp& card = main.spriteDataPopUp1();
  const Rect cardAtStart = PlaceOf(card);

  UserInput::MouseDown(main, 59, 64);
  EXPECT_EQ(main.DragSprite, worm);
  EXPECT_TRUE(main.spritePopUp1().Visible());
  EXPECT_EQ(PlaceOf(main.spritePopUp1()), (Rect{55, 60, 9, 9}));
  EXPECT_FALSE(card.Visible());
  UserInput::MouseMove(main, 159, 84);
  EXPECT_EQ(PlaceOf(main.spritePopUp1()), (Rect{155, 80, 9, 9}));
  EXPECT_FALSE(card.Visible());
  EXPECT_EQ(PlaceOf(card), cardAtStart);

  UserInput::MouseUp(main, 500, 100);
  EXPECT_EQ(FieldOf(main, worm.get()), 1);
  EXPECT_EQ(main.popSurfaces(1).numWorms, 1);
  ExpectIdle(main);
}

// Presses that land on a pop-up reach the window beneath it; presses on a button or an edit
// field stay theirs.
TEST_F(DragTest, PressesReachTheWindowUnlessAControlTakesThem) {
  WindowMain& main = Main();
  popSurface& left = main.popSurfaces(0);
  auto bug = Bug(left, "7", 40, 30);
  for (popupSpriteCan* popup :
       std::vector<popupSpriteCan*>{&main.spritePopUp1(), &main.spriteDataPopUp1()}) {
    SCOPED_TRACE(popup->Name());
    popup->Left(50);
    popup->Top(55);
    popup->Visible(true);
    UserInput::MouseDown(main, 60, 67);
    EXPECT_EQ(main.DragSprite, bug);
    UserInput::MouseUp(main, 60, 67);
    EXPECT_EQ(left.sprites(1), bug);
    ExpectIdle(main);
  }

  UserInput::Click(main, 682, 448);
  EXPECT_EQ(main.PushButtonRun().Caption(), "Pause");
  UserInput::Click(main, 682, 448);
  EXPECT_EQ(main.PushButtonRun().Caption(), "Run");
  UserInput::Click(main, 40, 246);
  UserInput::TypeText(main, "Ladybirds");
  EXPECT_EQ(main.Get<EditField>("EditFieldPoolLabel", 0).Text(), "Ladybirds");
}
}  // namespace
