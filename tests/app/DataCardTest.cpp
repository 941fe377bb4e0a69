#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "app/Pictures.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/UserInput.h"

namespace {
using DataCardTest = MainWindowFixture;

struct Row {
  const char* phenotype;
  PicturePtr (*picture)();  // null: the card shows "Unknown phenotype"
  Int32 x, y;               // where the picture's top-left corner lies on the card
};

const std::vector<Row> kRows{
    {"larva", Larva, 5, 20}, {"0", LadyBug00, 8, 3},  {"1", LadyBug01, 8, 3},
    {"2", LadyBug02, 8, 3},  {"3", LadyBug03, 8, 3},  {"4", LadyBug04, 8, 3},
    {"5", LadyBug05, 8, 3},  {"6", LadyBug06, 8, 3},  {"7", LadyBug07, 8, 3},
    {"8", LadyBug08, 8, 3},  {"9", LadyBug09, 8, 3},  {"10", LadyBug10, 8, 3},
    {"11", LadyBug11, 8, 3}, {"12", LadyBug12, 8, 3}, {"13", LadyBug13, 8, 3},
    {"14", LadyBug14, 8, 3}, {"07", nullptr, 0, 0},   {"Larva", nullptr, 0, 0},
    {"", nullptr, 0, 0},
};

constexpr Int32 kW = 100, kH = 80;
const Color kCard = RGB(254, 254, 254);
const Color kBlack = RGB(0, 0, 0);
const Color kDot = RGB(230, 85, 85);

bool InDot(Int32 i, Int32 j) {
  return i >= kW - 8 && i < kW - 2 && j >= kH - 8 && j < kH - 2;
}
std::string Describe(Color c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

// Compares the whole card with what it must show; empty when it does, else the first pixel
// that differs. The text of "Unknown phenotype" is checked by where its ink lies.
std::string CardDiffers(const Picture& shot, const Row& row, const Picture* picture, bool exposed) {
  std::ostringstream out;
  Int32 inkLeft = kW, inkRight = -1, inkTop = kH, inkBottom = -1;
  for (Int32 j = 0; j < kH; ++j) {
    for (Int32 i = 0; i < kW; ++i) {
      const Color got = shot.Pixel(i, j);
      if (exposed && InDot(i, j)) continue;
      Color want = kCard;
      if (i == 0 || j == 0 || i == kW - 1 || j == kH - 1) {
        want = kBlack;
      } else if (picture && i >= row.x && j >= row.y && i - row.x < picture->Width() &&
                 j - row.y < picture->Height()) {
        want = picture->Pixel(i - row.x, j - row.y);
        if (picture->Transparent() == 1 && want == RGB(255, 255, 255)) want = kCard;
      } else if (!row.picture && got != kCard) {
        inkLeft = std::min(inkLeft, i);
        inkRight = std::max(inkRight, i);
        inkTop = std::min(inkTop, j);
        inkBottom = std::max(inkBottom, j);
        continue;
      }
      if (got != want && out.str().empty())
        out << "pixel " << i << "," << j << " is " << Describe(got) << ", not " << Describe(want);
    }
  }
  if (exposed) {
    for (Int32 j = kH - 6; j <= kH - 5; ++j)
      for (Int32 i = kW - 6; i <= kW - 5; ++i)
        if (shot.Pixel(i, j) != kDot && out.str().empty()) out << "no exposed dot at " << i;
  }
  // One line of 12-pixel text from (8, 3), cut off at the frame.
  if (!row.picture &&
      (inkLeft < 8 || inkLeft > 10 || inkRight < 80 || inkTop < 3 || inkTop > 8 || inkBottom > 20))
    out << "text ink spans x " << inkLeft << " to " << inkRight << ", y " << inkTop << " to "
        << inkBottom;
  return out.str();
}

// Every card is drawn anew: each row is shown twice, once with the dot and once without, and
// cards with and without the dot alternate, so that a card that kept anything of the one
// before differs.
TEST_F(DataCardTest, ShowsThePictureOfThePhenotypeAndTheExposedDot) {
  WindowMain& main = Main();
  popSurface& left = main.popSurfaces(0);
  spriteDataPopUp& card = main.spriteDataPopUp1();
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t k = 0; k < kRows.size(); ++k) {
      const Row& row = kRows[k];
      const bool exposed = (k + static_cast<std::size_t>(pass)) % 2 == 1;
      SCOPED_TRACE(std::string("phenotype \"") + row.phenotype + "\"" +
                   (exposed ? ", exposed" : ""));
      auto bug = Bug(left, row.phenotype, 40, 30);
      bug->exposed = exposed;
      ASSERT_TRUE(main.Event_MouseDown(60, 67));
      ASSERT_TRUE(card.Visible());
      PicturePtr picture = row.picture ? row.picture() : nullptr;
      EXPECT_TRUE(!row.picture || picture) << "the picture is missing";
      PicturePtr shot = UserInput::Grab(card);
      ASSERT_EQ(shot->Width(), kW);
      ASSERT_EQ(shot->Height(), kH);
      EXPECT_EQ(CardDiffers(*shot, row, picture.get(), exposed), "");
      main.Event_MouseUp(60, 67);
      left.clear();
    }
  }
}

}  // namespace
