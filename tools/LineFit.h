#pragma once

#include <string>
#include <vector>

// One pair of the scatterplot's table, as the values of its two cells.
struct ScatterPoint {
  double x = 0.0;
  double y = 0.0;
};

// The least-squares line Y = slope * X + intercept through the points. When the points fix
// no line (none at all, no two different X values, sums beyond the range of a Double) there
// is no slope and `why` says in a few words what is missing.
struct LineFit {
  bool fitted = false;
  double slope = 0.0;
  double intercept = 0.0;
  std::string why{};
};

// The means, then the sum of squares of X, then the sum of products, each in its own pass
// over the points in their order.
LineFit FitLine(const std::vector<ScatterPoint>& points);

// "Y = 1*X + 0", "Y = 0.5*X + -1.25": each number rounded to hundredths and written by Str,
// the plus sign always there; the reason itself when there is no line.
std::string EquationText(const LineFit& fit);
