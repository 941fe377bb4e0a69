#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tools/LineFit.h"

namespace {
TEST(LineFitTest, XValuesAsCloseAsADoubleMeasuresGetTheTrueLine) {
  struct Case {
    const char* name;
    std::vector<ScatterPoint> points;
    double slope;  // the slope of the exact values, to a relative 1e-9
  };
  const double x1 = std::nextafter(1.0, 2.0);
  const double x2 = std::nextafter(x1, 2.0);
  const double ulp = x1 - 1.0;
  const Case cases[] = {
      // The mean of X rounds to 1, so the deviations do not sum to 0.
      {"two values", {{1.0, 2.66}, {x1, 4.0}}, 1.34 / ulp},
      {"three values", {{1.0, 0.0}, {x1, 1.0}, {x2, 2.0}}, 1.0 / ulp},
      {"an everyday table", {{1, 2}, {2, 4.5}, {3, 5}, {4, 8.5}}, 2.0},
      // Squared deviations of 4e-308 each, just within a Double's normal range.
      {"tiny X values", {{0.0, 0.0}, {4e-154, 1.0}}, 1.0 / 4e-154},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const LineFit fit = FitLine(c.points);
    ASSERT_TRUE(fit.fitted) << fit.why;
    EXPECT_NEAR(fit.slope / c.slope, 1.0, 1e-9);
  }
}

TEST(LineFitTest, ATableGivesItsEquationToHundredthsOrSaysWhyItFixesNoLine) {
  constexpr bool kLine = true, kNoLine = false;
  struct Case {
    const char* name;
    std::vector<ScatterPoint> points;
    bool fitted;
    const char* text;  // the equation, or the reason for none
  };
  const Case cases[] = {
      {"diagonal", {{1, 1}, {2, 2}, {3, 3}}, kLine, "Y = 1*X + 0"},
      {"falling", {{0, 14}, {14, 0}}, kLine, "Y = -1*X + 14"},
      {"from Y = 0, points on the plot", {{2, 0}, {4, 2}}, kLine, "Y = 1*X + -2"},
      {"from Y = 0, points off the plot", {{-5, -7}, {20, 18}}, kLine, "Y = 1*X + -2"},
      {"a third", {{0, 0}, {3, 1}}, kLine, "Y = 0.33*X + 0"},
      {"X = 20 off the plot", {{0, 0}, {20, 10}}, kLine, "Y = 0.5*X + 0"},
      {"negative intercept", {{0.5, -1}, {4.5, 1}}, kLine, "Y = 0.5*X + -1.25"},
      {"cut at Y = 0", {{-10, 10}, {20, -20}}, kLine, "Y = -1*X + 0"},
      {"cut at Y = 14", {{-10, 4}, {20, 34}}, kLine, "Y = 1*X + 14"},
      {"no points", {}, kNoLine, "No pairs to fit"},
      {"one point", {{5, 5}}, kNoLine, "Need 2 different X"},
      {"equal X", {{3, 1}, {3, 9}}, kNoLine, "Need 2 different X"},
      // Their mean rounds to 0.10000000000000002, which leaves a sum of squares above 0.
      {"equal X, mean not exact",
       {{0.1, 1.9}, {0.1, 11.9}, {0.1, 10.7}},
       kNoLine,
       "Need 2 different X"},
      {"X all 0", {{0, 0}, {0, 7}}, kNoLine, "Need 2 different X"},
      {"sums beyond a Double", {{1e308, 1}, {1.7e308, 2}}, kNoLine, "Values too large"},
      {"squares beyond a Double", {{1e200, 1}, {-1e200, 2}}, kNoLine, "Values too large"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const LineFit fit = FitLine(c.points);
    EXPECT_EQ(fit.fitted, c.fitted) << fit.why;
    EXPECT_EQ(EquationText(fit), c.text);
    if (!c.fitted) {
      EXPECT_EQ(fit.why, c.text);
    }
  }
}

TEST(LineFitTest, XValuesTooCloseForADoubleAreToldWhateverYHoldsAndEveryOtherOverflowIsTooLarge) {
  struct Case {
    const char* name;
    std::vector<ScatterPoint> points;
    const char* why;
  };
  const Case cases[] = {
      // X values 1 apart: the slope overflows because of Y.
      {"slope beyond a Double", {{1, 1e308}, {2, -1e308}}, "Values too large"},
      // Squared deviations that vanish, or fall below a Double's normal range (about 5e-321
      // here, a few bits), whether the slope would overflow or not.
      {"squares vanish", {{0, 0}, {1e-200, 1}}, "X values too close"},
      {"squares below normal, Y 0 to 1", {{0, 0}, {1e-160, 1}}, "X values too close"},
      {"squares below normal, Y 0 to 1e147", {{0, 0}, {1e-160, 1e147}}, "X values too close"},
      {"squares below normal, Y 0 to 1e149", {{0, 0}, {1e-160, 1e149}}, "X values too close"},
      {"squares below normal, Y 0 to 1e160", {{0, 0}, {1e-160, 1e160}}, "X values too close"},
      {"squares below normal, Y beyond a Double",
       {{0, 1e308}, {1e-160, 1.7e308}},
       "X values too close"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const LineFit fit = FitLine(c.points);
    EXPECT_FALSE(fit.fitted);
    EXPECT_EQ(fit.why, c.why);
    EXPECT_EQ(EquationText(fit), c.why);
  }
}

TEST(LineFitTest, HugeValuesGiveAnEquationWithoutNanInfOrNA) {
  constexpr double kMax = std::numeric_limits<double>::max();
  struct Case {
    std::vector<ScatterPoint> points;
    const char* equation;
  };
  const Case cases[] = {
      {{{1e20, 0}, {0, 0}}, "Y = 0*X + 0"},
      {{{-3e9, 5}, {0, -3e9}, {7, 7}}, "Y = -0.5*X + -1499999993"},
      {{{kMax, -kMax}, {2, 2}}, "Values too large"},
      // A slope or an intercept that a Double holds, but not a hundred times over.
      {{{0, 0}, {1, 1e307}}, "Values too large"},
      {{{1, 1e307}, {2, 1e307}}, "Values too large"},
      {{{1, 1}, {2, 2.000000000000001}}, "Y = 1*X + 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.equation);
    const std::string text = EquationText(FitLine(c.points));
    EXPECT_EQ(text, c.equation);
    for (const char* bad : {"nan", "inf", "NA"}) EXPECT_EQ(text.find(bad), std::string::npos);
  }
}
}  // namespace
