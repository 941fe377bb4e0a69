#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "app/Pictures.h"
#include "framework/ResourceFork.h"
#include "tests/support/SamePixels.h"

namespace {
// A dot as a person sees it: a patch of dark pixels with red all round it.
struct Spot {
  double x = 0, y = 0;
  int area = 0;
};

bool Dark(Color c) {
  return std::max({c.r, c.g, c.b}) < 110;
}
// Red, also where it is lit or shaded, or mixed with the black of a dot's rim.
bool Reddish(Color c) {
  return c.r - std::max(c.g, c.b) >= 40;
}

// The dots on the ladybug's body: dark patches that touch nothing but red. A dot that touched
// the line between the wing cases, the head, the body's outline or another dot would join
// that patch and no longer count on its own.
std::vector<Spot> Dots(const Picture& picture) {
  const int w = picture.Width(), h = picture.Height();
  std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
  auto at = [&](int x, int y) -> char& { return seen[static_cast<std::size_t>(y * w + x)]; };
  std::vector<Spot> dots;
  for (int y0 = 0; y0 < h; ++y0) {
    for (int x0 = 0; x0 < w; ++x0) {
      if (at(x0, y0) || !Dark(picture.Pixel(x0, y0))) continue;
      Spot spot;
      bool onRed = true;
      std::vector<std::pair<int, int>> todo{{x0, y0}};
      at(x0, y0) = 1;
      while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        ++spot.area;
        spot.x += x;
        spot.y += y;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h) {
              onRed = false;
              continue;
            }
            const Color c = picture.Pixel(nx, ny);
            if (!Dark(c)) {
              onRed = onRed && Reddish(c);
            } else if (!at(nx, ny)) {
              at(nx, ny) = 1;
              todo.emplace_back(nx, ny);
            }
          }
        }
      }
      spot.x /= spot.area;
      spot.y /= spot.area;
      if (onRed) dots.push_back(spot);
    }
  }
  return dots;
}

// Each picture is read afresh in every test.
class PicturesTest : public ::testing::Test {
 protected:
  void SetUp() override { ReleasePictures(); }
  void TearDown() override { ReleasePictures(); }
};

struct Row {
  const char* name;
  PicturePtr (*accessor)();
  Int32 number;
  int dots;             // -1 for the cover and the larva
  Int32 width, height;  // the largest size that fits its place
};

const Row kRows[] = {
    {"CoverPicture", CoverPicture, 168, -1, 158, 204}, {"Larva", Larva, 169, -1, 86, 51},
    {"LadyBug09", LadyBug09, 170, 9, 84, 68},          {"LadyBug08", LadyBug08, 171, 8, 84, 68},
    {"LadyBug07", LadyBug07, 172, 7, 84, 68},          {"LadyBug06", LadyBug06, 173, 6, 84, 68},
    {"LadyBug05", LadyBug05, 174, 5, 84, 68},          {"LadyBug00", LadyBug00, 175, 0, 84, 68},
    {"LadyBug10", LadyBug10, 176, 10, 84, 68},         {"LadyBug01", LadyBug01, 177, 1, 84, 68},
    {"LadyBug04", LadyBug04, 178, 4, 84, 68},          {"LadyBug03", LadyBug03, 179, 3, 84, 68},
    {"LadyBug02", LadyBug02, 180, 2, 84, 68},          {"LadyBug12", LadyBug12, 181, 12, 84, 68},
    {"LadyBug14", LadyBug14, 182, 14, 84, 68},         {"LadyBug13", LadyBug13, 183, 13, 84, 68},
    {"LadyBug11", LadyBug11, 184, 11, 84, 68},
};

TEST_F(PicturesTest, EachAccessorReadsItsNumberOnceAndKeepsTheSamePicture) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const Int32 reads = ResourceFork::ReadCount();
    PicturePtr picture = row.accessor();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(row.accessor(), picture);
    EXPECT_EQ(ResourceFork::ReadCount(), reads + 1);
    EXPECT_TRUE(SamePixels(*picture, *ApplicationResourceFork().GetPicture(row.number)));
  }
}

TEST_F(PicturesTest, EachLadybugCarriesItsNumberOfDotsMirroredWhereTheCountAllows) {
  for (const Row& row : kRows) {
    if (row.dots < 0) continue;
    SCOPED_TRACE(row.name);
    const std::vector<Spot> dots = Dots(*row.accessor());
    ASSERT_EQ(static_cast<int>(dots.size()), row.dots);
    double axis = 0;
    for (const Spot& dot : dots) {
      EXPECT_GE(dot.area, 20) << "a dot too small to see at " << dot.x << "," << dot.y;
      axis += dot.y / row.dots;
    }
    if (row.dots % 2 != 0) continue;
    // The wing cases meet along a row of the picture, the head to the left.
    for (const Spot& dot : dots) {
      const bool twin = std::any_of(dots.begin(), dots.end(), [&](const Spot& other) {
        return std::abs(other.x - dot.x) < 1 && std::abs(other.y - (2 * axis - dot.y)) < 1;
      });
      EXPECT_TRUE(twin) << "no twin for the dot at " << dot.x << "," << dot.y;
    }
  }
}

// The ladybugs stand on the data card at (8, 3), the larva at (5, 20): inside its frame and
// clear of the exposed dot at its bottom right. Their backgrounds are transparent, which
// reads as white.
TEST_F(PicturesTest, EachPictureFitsItsPlaceAndItsBackgroundIsWhite) {
  const Color white{255, 255, 255};
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    PicturePtr picture = row.accessor();
    if (row.number == 168) {
      EXPECT_EQ(picture->Width(), row.width);
      EXPECT_EQ(picture->Height(), row.height);
    } else {
      EXPECT_LE(picture->Width(), row.width);
      EXPECT_LE(picture->Height(), row.height);
      EXPECT_GE(picture->Width(), row.width * 3 / 4);
    }
    const Int32 right = picture->Width() - 1, bottom = picture->Height() - 1;
    for (auto [x, y] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}})
      EXPECT_EQ(picture->Pixel(x, y), white) << x << "," << y;
  }
}

// A faint fringe of a stroke's smoothing may reach the outermost pixels; a stroke may not, or
// it would look cut off there.
TEST_F(PicturesTest, NoStrokeOfTheBugsReachesThePicturesEdge) {
  for (const Row& row : kRows) {
    if (row.number == 168) continue;
    SCOPED_TRACE(row.name);
    const PicturePtr picture = row.accessor();
    const Int32 w = picture->Width(), h = picture->Height();
    for (Int32 x = 0; x < w; ++x) {
      for (Int32 y = 0; y < h; ++y) {
        if (x != 0 && y != 0 && x != w - 1 && y != h - 1) continue;
        const Color c = picture->Pixel(x, y);
        EXPECT_GE(std::min({c.r, c.g, c.b}), 230) << "at " << x << "," << y;
      }
    }
  }
}

TEST_F(PicturesTest, ReleasingLetsGoOfEveryPictureAndTheNextCallReadsAgain) {
  std::vector<std::weak_ptr<Picture>> held;
  for (const Row& row : kRows) held.push_back(row.accessor());
  ReleasePictures();
  for (std::size_t i = 0; i < held.size(); ++i) EXPECT_TRUE(held[i].expired()) << kRows[i].name;
  const Int32 reads = ResourceFork::ReadCount();
  EXPECT_NE(LadyBug07(), nullptr);
  EXPECT_EQ(ResourceFork::ReadCount(), reads + 1);
}
}  // namespace
