#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "framework/Canvas.h"
#include "framework/Picture.h"
#include "framework/SpriteSurface.h"
#include "framework/Window.h"
#include "tests/support/UserInput.h"
#include "tests/support/WindowFixture.h"

namespace {
const Color kWhite{255, 255, 255};
const Color kRed{255, 0, 0};
const Color kGreen{0, 160, 0};
const Color kBlue{0, 0, 255};

// The picture as rows of characters: '#' for the colour, '.' for white, '?' for any other.
std::string Map(const Picture& p, Color ink) {
  std::string rows;
  for (Int32 y = 0; y < p.Height(); ++y) {
    for (Int32 x = 0; x < p.Width(); ++x) {
      const Color c = p.Pixel(x, y);
      rows += c == ink ? '#' : c == kWhite ? '.' : '?';
    }
    rows += '\n';
  }
  return rows;
}

PicturePtr Filled(Int32 w, Int32 h, Color c) {
  PicturePtr p = NewPicture(w, h, 32);
  p->Graphics().ForeColor(c);
  p->Graphics().FillRect(0, 0, w, h);
  return p;
}

TEST(PictureTest, ANewPictureIsWhiteAndKeepsItsDepth) {
  PicturePtr p = NewPicture(7, 5, 16);
  EXPECT_EQ(p->Width(), 7);
  EXPECT_EQ(p->Height(), 5);
  EXPECT_EQ(p->Depth(), 16);
  EXPECT_EQ(Map(*p, kRed), ".......\n.......\n.......\n.......\n.......\n");
  EXPECT_EQ(p->Pixel(-1, 0), kWhite);
  EXPECT_EQ(p->Pixel(7, 4), kWhite);
  EXPECT_EQ(NewPicture(-3, 4, 32)->Width(), 0);
}

TEST(PictureTest, FillRectCoversItsPixelsAndIsCutAtTheEdges) {
  PicturePtr p = NewPicture(6, 4, 32);
  p->Graphics().ForeColor(kRed);
  p->Graphics().FillRect(1, 1, 3, 2);
  EXPECT_EQ(Map(*p, kRed), "......\n.###..\n.###..\n......\n");
  p->Graphics().FillRect(-2, 3, 4, 9);
  p->Graphics().FillRect(5, -1, 100, 2);
  p->Graphics().FillRect(0, 0, -3, 4);
  EXPECT_EQ(Map(*p, kRed), ".....#\n.###..\n.###..\n##....\n");
}

TEST(PictureTest, FillOvalFillsThePixelsWhoseCentresLieInTheEllipse) {
  struct Case {
    Int32 size;
    const char* map;
  };
  const Case cases[] = {
      {1, "#\n"},
      {2, "##\n##\n"},
      {6, ".####.\n######\n######\n######\n######\n.####.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    PicturePtr p = NewPicture(c.size, c.size, 32);
    p->Graphics().ForeColor(kBlue);
    p->Graphics().FillOval(0, 0, c.size, c.size);
    EXPECT_EQ(Map(*p, kBlue), c.map);
  }

  PicturePtr disc = NewPicture(13, 13, 32);
  disc->Graphics().ForeColor(kBlue);
  disc->Graphics().FillOval(0, 0, 13, 13);
  for (auto [x, y] : {std::pair{6, 6}, {0, 6}, {12, 6}, {6, 0}, {6, 12}, {3, 3}})
    EXPECT_EQ(disc->Pixel(x, y), kBlue) << x << "," << y;
  for (auto [x, y] : {std::pair{0, 0}, {12, 0}, {0, 12}, {12, 12}, {1, 1}})
    EXPECT_EQ(disc->Pixel(x, y), kWhite) << x << "," << y;
}

TEST(PictureTest, DrawRectFramesColumnsXAndXPlusWidthAndRowsYAndYPlusHeight) {
  PicturePtr p = NewPicture(7, 6, 32);
  p->Graphics().ForeColor(kGreen);
  p->Graphics().DrawRect(1, 1, 4, 3);
  EXPECT_EQ(Map(*p, kGreen),
            ".......\n"
            ".#####.\n"
            ".#...#.\n"
            ".#...#.\n"
            ".#####.\n"
            ".......\n");
}

// Shapes that reach far beyond the picture draw their visible part and nothing else.
TEST(PictureTest, ShapesFarOutsideThePictureAreCutOff) {
  PicturePtr p = NewPicture(4, 3, 32);
  Graphics& g = p->Graphics();
  g.ForeColor(kRed);
  g.FillRect(2, 1, INT_MAX, INT_MAX);
  g.FillRect(INT_MIN, INT_MIN, 10, 10);
  g.FillOval(INT_MAX - 5, 0, 10, 10);
  g.DrawRect(-1, 0, INT_MAX, 1);
  g.DrawRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(Map(*p, kRed), "####\n####\n..##\n");
}

TEST(PictureTest, DrawPictureWithTransparentOneLeavesPixelsUnderTheSourcesWhite) {
  PicturePtr source = NewPicture(3, 3, 32);
  source->Graphics().ForeColor(kRed);
  source->Graphics().FillRect(1, 0, 1, 3);

  struct Case {
    Int32 transparent;
    const char* map;
  };
  const Case cases[] = {{1, "?????\n?#???\n?#???\n?#???\n?????\n"},
                        {0, "?????\n.#.??\n.#.??\n.#.??\n?????\n"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.transparent);
    PicturePtr dest = Filled(5, 5, kGreen);
    source->Transparent(c.transparent);
    dest->Graphics().DrawPicture(source.get(), 0, 1);
    EXPECT_EQ(Map(*dest, kRed), c.map);
    EXPECT_EQ(dest->Pixel(0, 1), c.transparent == 1 ? kGreen : kWhite);
  }
  PicturePtr dest = Filled(2, 2, kGreen);
  dest->Graphics().DrawPicture(nullptr, 0, 0);
  dest->Graphics().DrawPicture(dest.get(), 1, 1);
  EXPECT_EQ(Map(*dest, kGreen), "##\n##\n");
}

TEST(PictureTest, ChangingAPictureAfterItWasShownTransparentShowsTheChange) {
  PicturePtr source = NewPicture(2, 1, 32);
  source->Transparent(1);
  PicturePtr first = Filled(2, 1, kGreen);
  first->Graphics().DrawPicture(source.get(), 0, 0);
  source->Graphics().ForeColor(kBlue);
  source->Graphics().FillRect(1, 0, 1, 1);
  PicturePtr second = Filled(2, 1, kGreen);
  second->Graphics().DrawPicture(source.get(), 0, 0);
  EXPECT_EQ(second->Pixel(0, 0), kGreen);
  EXPECT_EQ(second->Pixel(1, 0), kBlue);
}

TEST(ColorTest, CmyAndRgb) {
  struct Case {
    Color got, expected;
  };
  const Case cases[] = {
      {CMY(0.1, 1, 1), Color{230, 0, 0}},      {CMY(0, 0, 0), kWhite},
      {CMY(1, 1, 1), Color{0, 0, 0}},          {CMY(0.5, 0.25, 0.75), Color{128, 191, 64}},
      {CMY(-2, 3, NAN), Color{255, 0, 255}},   {RGB(12, 34, 56), Color{12, 34, 56}},
      {RGB(300, -5, 255), Color{255, 0, 255}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.got.r, c.expected.r);
    EXPECT_EQ(c.got.g, c.expected.g);
    EXPECT_EQ(c.got.b, c.expected.b);
  }
}

WindowLayout ShowcaseLayout() {
  WindowLayout layout;
  layout.title = "Showcase";
  layout.width = 200;
  layout.height = 120;
  layout.controls = {
      {.kind = ControlKind::SpriteSurface,
       .name = "Surface",
       .left = 10,
       .top = 10,
       .width = 35,
       .height = 25},
      {.kind = ControlKind::Canvas,
       .name = "Board",
       .left = 100,
       .top = 10,
       .width = 40,
       .height = 40},
  };
  return layout;
}

// A 10x10 green tile with a red top-left pixel shows where each tile starts.
PicturePtr Tile() {
  PicturePtr tile = Filled(10, 10, kGreen);
  tile->Graphics().ForeColor(kRed);
  tile->Graphics().FillRect(0, 0, 1, 1);
  return tile;
}

using ShownPictureTest = WindowFixture;

TEST_F(ShownPictureTest, ASpriteSurfaceTilesItsBackdropAndDrawsSpritesInAttachOrder) {
  Window window(ShowcaseLayout());
  window.Build();
  auto& surface = window.Get<SpriteSurface>("Surface");
  surface.Backdrop(Tile());

  // A blue square whose top-left pixel is white and drawn transparent, and an overlapping
  // red one attached later.
  auto blue = std::make_shared<Sprite>();
  blue->Image(Filled(6, 6, kBlue));
  blue->Image()->Graphics().ForeColor(kWhite);
  blue->Image()->Graphics().FillRect(0, 0, 1, 1);
  blue->Image()->Transparent(1);
  blue->X(10);
  blue->Y(10);
  auto red = std::make_shared<Sprite>();
  red->Image(Filled(4, 4, kRed));
  red->X(14);
  red->Y(14);
  surface.Attach(blue);
  surface.Attach(red);

  for (PicturePtr shot : {UserInput::Grab(surface), UserInput::Grab(window)}) {
    const Int32 dx = shot->Width() == 35 ? 0 : 10, dy = dx;
    SCOPED_TRACE(dx);
    EXPECT_EQ(shot->Pixel(dx + 0, dy + 0), kRed);
    EXPECT_EQ(shot->Pixel(dx + 20, dy + 0), kRed);
    EXPECT_EQ(shot->Pixel(dx + 30, dy + 20), kRed);
    EXPECT_EQ(shot->Pixel(dx + 34, dy + 24), kGreen);
    EXPECT_EQ(shot->Pixel(dx + 10, dy + 10), kRed);  // the backdrop through the white pixel
    EXPECT_EQ(shot->Pixel(dx + 11, dy + 10), kBlue);
    EXPECT_EQ(shot->Pixel(dx + 13, dy + 13), kBlue);
    EXPECT_EQ(shot->Pixel(dx + 14, dy + 14), kRed);
    EXPECT_EQ(shot->Pixel(dx + 17, dy + 17), kRed);
    EXPECT_EQ(shot->Pixel(dx + 18, dy + 18), kGreen);
  }

  red->Close();
  EXPECT_EQ(UserInput::Grab(surface)->Pixel(14, 14), kBlue);
}

TEST_F(ShownPictureTest, ACanvasShowsItsBackdropUnscaledAtItsCorner) {
  Window window(ShowcaseLayout());
  window.Build();
  auto& board = window.Get<Canvas>("Board");
  board.Backdrop(Tile());
  PicturePtr shot = UserInput::Grab(window);
  EXPECT_EQ(shot->Pixel(100, 10), kRed);
  EXPECT_EQ(shot->Pixel(101, 10), kGreen);
  EXPECT_EQ(shot->Pixel(109, 19), kGreen);
  EXPECT_NE(shot->Pixel(110, 10), kRed);
  EXPECT_NE(shot->Pixel(110, 20), kGreen);
  EXPECT_NE(shot->Pixel(120, 20), kRed);
}
}  // namespace
