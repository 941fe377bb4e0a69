#pragma once

#include <string>
#include <vector>

// One pair of the scatterplot's table, as the values of its two cells.
struct ScatterPoint {
  double x = 0.0;
  double y = 0.0;
};

// The least-squares line Y = slope * X + intercept through the points. When the points fix
// no line (none at all, no two different X values, X values too close together for a Double
// or values too large for it) there is no slope and `why` says in a few words what is missing.
struct LineFit {
  bool fitted = false;
  double slope = 0.0;
  double intercept = 0.0;
  std::string why{};
};

// Every reason why a table fixes no line: a fit without a line takes its `why` from here and
// from nowhere else. Each fits the 100-pixel equation label.
inline constexpr const char* kNoLineReasons[] = {
    "No pairs to fit",     // no row has both cells
    "Need 2 different X",  // every X value is the same
    "X values too close",  // X values differ, but too little for a Double to measure
    "Values too large",    // a sum, the slope or the intercept is beyond a Double
};

// The means in a first pass over the points in their order, then the sums of squares of X
// and of products in a second.
LineFit FitLine(const std::vector<ScatterPoint>& points);

// "Y = 1*X + 0", "Y = 0.5*X + -1.25": each number rounded to hundredths and written by Str,
// the plus sign always there; the reason itself when there is no line.
std::string EquationText(const LineFit& fit);
