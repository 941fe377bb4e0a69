#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "tests/tools/PlotPixels.h"
#include "tools/LineFit.h"
#include "tools/ScatterPlotPicture.h"

namespace {
using PlotPixels::Disc;
using PlotPixels::kGrey;
using PlotPixels::kRed;
using PlotPixels::kWhite;
using PlotPixels::Pixel;
using PlotPixels::PixelsOf;

using Points = std::vector<ScatterPoint>;

// The plot of the points with their fitted line, at the window's size.
PicturePtr Plot(const Points& points) {
  return ScatterPlotPicture(100, 100, FitLine(points), points);
}

TEST(ScatterPlotPictureTest, DrawsTheLineUnderThePoints) {
  struct Case {
    const char* name;
    Points points;
    std::vector<Pixel> discs;  // centres; only their part inside the picture shows
    Int32 firstGreyColumn;     // where the line starts; -1 where a disc covers its start
  };
  const Case cases[] = {
      {"diagonal", {{1, 1}, {2, 2}, {3, 3}}, {{10, 90}, {16, 84}, {23, 77}}, 3},
      {"falling", {{0, 14}, {14, 0}}, {{3, 3}, {97, 97}}, -1},
      {"from Y = 0, points on the plot", {{2, 0}, {4, 2}}, {{16, 97}, {30, 84}}, -1},
      // The same line through points off the plot shows where it starts.
      {"from Y = 0, points off the plot", {{-5, -7}, {20, 18}}, {}, 17},
      {"a third", {{0, 0}, {3, 1}}, {{3, 97}, {23, 90}}, -1},
      {"X = 20 off the plot", {{0, 0}, {20, 10}}, {{3, 97}}, -1},
      {"negative intercept", {{0.5, -1}, {4.5, 1}}, {{6, 104}, {33, 90}}, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PicturePtr plot = Plot(c.points);
    ASSERT_EQ(plot->Width(), 100);
    ASSERT_EQ(plot->Height(), 100);

    std::vector<Pixel> red;
    for (const Pixel& centre : c.discs) {
      for (const Pixel& p : Disc(centre.x, centre.y)) {
        if (p.x >= 0 && p.x < 100 && p.y >= 0 && p.y < 100) red.push_back(p);
      }
    }
    std::sort(red.begin(), red.end(),
              [](Pixel a, Pixel b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    red.erase(std::unique(red.begin(), red.end()), red.end());
    EXPECT_EQ(PixelsOf(*plot, kRed), red);

    // The line: at most one pixel a column, from column 3 to 94, grey where no disc covers it.
    const std::vector<Pixel> grey = PixelsOf(*plot, kGrey);
    ASSERT_FALSE(grey.empty());
    if (c.firstGreyColumn >= 0) {
      EXPECT_EQ(grey.front().x, c.firstGreyColumn);
    }
    EXPECT_GE(grey.front().x, 3);
    EXPECT_LE(grey.back().x, 94);
    for (std::size_t i = 1; i < grey.size(); ++i) EXPECT_LT(grey[i - 1].x, grey[i].x);
  }
}

TEST(ScatterPlotPictureTest, TheDiagonalHasItsNinetyTwoDots) {
  const PicturePtr plot = Plot({{1, 1}, {2, 2}, {3, 3}});
  // Y = X lands on row 100 - column; the discs cover a few of its pixels.
  Int32 dots = 0;
  for (Int32 x = 3; x <= 94; ++x) {
    const Color c = plot->Pixel(x, 100 - x);
    if (c == kGrey || c == kRed) ++dots;
  }
  EXPECT_EQ(dots, 92);
  for (const Pixel& p : PixelsOf(*plot, kGrey)) EXPECT_EQ(p.y, 100 - p.x);
  EXPECT_EQ(plot->Pixel(3, 97), kGrey);
  EXPECT_EQ(plot->Pixel(94, 6), kGrey);
  EXPECT_EQ(plot->Pixel(95, 5), kWhite);
}

TEST(ScatterPlotPictureTest, PointsThatFixNoLineStillShow) {
  struct Case {
    const char* name;
    Points points;
    Int32 discs;  // discs wholly inside the picture
  };
  const Case cases[] = {
      {"no points", {}, 0},
      {"one point", {{5, 5}}, 1},
      {"equal X", {{3, 1}, {3, 9}}, 2},
      {"equal X, mean not exact", {{0.1, 1.9}, {0.1, 11.9}, {0.1, 10.7}}, 3},
      {"X all 0", {{0, 0}, {0, 7}}, 2},
      {"sums beyond a Double", {{1e308, 1}, {1.7e308, 2}}, 0},
      {"squares beyond a Double", {{1e200, 1}, {-1e200, 2}}, 0},
      {"squares too small", {{0, 0}, {1e-200, 1}}, 2},
      {"squares below normal", {{0, 0}, {1e-160, 1e160}}, 1},
      {"slope too large for Y", {{1, 1e308}, {2, -1e308}}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PicturePtr plot = Plot(c.points);
    EXPECT_TRUE(PixelsOf(*plot, kGrey).empty());
    EXPECT_EQ(PixelsOf(*plot, kRed).size(), Disc(50, 50).size() * c.discs);
  }
}

TEST(ScatterPlotPictureTest, HugeValuesDrawOnlyWhatFallsOnThePlot) {
  constexpr double kMax = std::numeric_limits<double>::max();
  struct Case {
    const char* name;
    Points points;
    Int32 discs;  // discs wholly inside the picture, none overlapping
  };
  const Case cases[] = {
      {"X 1e20", {{1e20, 0}, {0, 0}}, 1},
      {"-3e9", {{-3e9, 5}, {0, -3e9}, {7, 7}}, 1},
      {"the largest Doubles", {{kMax, -kMax}, {2, 2}}, 1},
      {"Y a hair above 2", {{1, 1}, {2, 2.000000000000001}}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PixelsOf(*Plot(c.points), kRed).size(), Disc(50, 50).size() * c.discs);
  }
}

TEST(ScatterPlotPictureTest, TheLineIsCutAtZeroAndFourteenInclusive) {
  struct Case {
    const char* name;
    Points points;  // off the plot, so that only the line shows
    std::vector<Pixel> grey;
  };
  const Case cases[] = {
      {"Y = -X", {{-10, 10}, {20, -20}}, {{3, 97}}},
      {"Y = X + 14", {{-10, 4}, {20, 34}}, {{3, 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PicturePtr plot = Plot(c.points);
    EXPECT_EQ(PixelsOf(*plot, kGrey), c.grey);
    EXPECT_TRUE(PixelsOf(*plot, kRed).empty());
  }
}
}  // namespace
