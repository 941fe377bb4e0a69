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

// Why a table fixes no line. Each fits the 100-pixel equation label.
inline constexpr const char* kNoPairs = "No pairs to fit";
inline constexpr const char* kOneX = "Need 2 different X";
inline constexpr const char* kTooClose = "X values too close";
inline constexpr const char* kTooLarge = "Values too large";
inline constexpr const char* kNoLineReasons[] = {kNoPairs, kOneX, kTooClose, kTooLarge};

// The means in a first pass over the points in their order, then the sums of squares of X
// and of products in a second.
LineFit FitLine(const std::vector<ScatterPoint>& points);

// "Y = 1*X + 0", "Y = 0.5*X + -1.25": each number rounded to hundredths and written by Str,
// the plus sign always there; the reason itself when there is no line.
std::string EquationText(const LineFit& fit);
