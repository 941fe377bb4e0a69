#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tools/LineFit.h"

namespace {
TEST(LineFitTest, XValuesAFewUnitsInTheLastPlaceApartGetTheTrueLine) {
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
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const LineFit fit = FitLine(c.points);
    ASSERT_TRUE(fit.fitted) << fit.why;
    EXPECT_NEAR(fit.slope / c.slope, 1.0, 1e-9);
  }
}

TEST(LineFitTest, ASlopeBeyondADoubleSaysWhetherXIsTooCloseOrTheValuesTooLarge) {
  struct Case {
    std::vector<ScatterPoint> points;
    const char* why;
  };
  const Case cases[] = {
      // X values 1 apart: the slope overflows because of Y.
      {{{1, 1e308}, {2, -1e308}}, kTooLarge},
      // Squared deviations that vanish, or fall below a Double's normal range.
      {{{0, 0}, {1e-200, 1}}, kTooClose},
      {{{0, 0}, {1e-160, 1e160}}, kTooClose},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const LineFit fit = FitLine(c.points);
    EXPECT_FALSE(fit.fitted);
    EXPECT_EQ(fit.why, c.why);
    EXPECT_EQ(EquationText(fit), c.why);
  }
}
}  // namespace
