#include "tools/LineFit.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <limits>

#include "framework/Functions.h"

namespace {
// The reasons, by their place in kNoLineReasons.
enum Reason : std::size_t { kNoPairs, kOneX, kTooClose, kTooLarge, kReasons };
static_assert(kReasons == std::size(kNoLineReasons), "one text for every reason");

LineFit NoLine(Reason why) {
  return LineFit{.why = kNoLineReasons[why]};
}

std::string Hundredths(double value) {
  return Str(Round(value * 100.0) / 100.0);
}
}  // namespace

LineFit FitLine(const std::vector<ScatterPoint>& points) {
  if (points.empty()) return NoLine(kNoPairs);
  // Decided from the values themselves: equal X values can leave a rounded mean and with it a
  // sum of squares just above 0, which would give a steep line through a single column.
  const bool oneX = std::all_of(points.begin(), points.end(),
                                [&](const ScatterPoint& p) { return p.x == points.front().x; });
  if (oneX) return NoLine(kOneX);
  double sumX = 0.0, sumY = 0.0;
  for (const ScatterPoint& p : points) {
    sumX += p.x;
    sumY += p.y;
  }
  const double n = static_cast<double>(points.size());
  const double meanX = sumX / n, meanY = sumY / n;
  // The deviations d = x - meanX and e = y - meanY. A rounded mean leaves their sums a little
  // off 0, which biases the plain sums of squares and products when the X values are only a
  // few units in the last place apart; the corrections (sum d)^2 / n and (sum d)(sum e) / n
  // take that error out again and are next to nothing otherwise.
  double sumD = 0.0, sumE = 0.0, sumDD = 0.0, sumDE = 0.0;
  for (const ScatterPoint& p : points) {
    const double d = p.x - meanX, e = p.y - meanY;
    sumD += d;
    sumE += e;
    sumDD += d * d;
    sumDE += d * e;
  }
  const double sxx = sumDD - sumD * (sumD / n);
  const double sxy = sumDE - sumD * (sumE / n);

  // Different X values whose squared deviations sum to 0, or to less than a Double's normal
  // range (where it keeps only a few bits), give no measure to divide by, whatever Y holds.
  if (std::isfinite(sxx) && !(sxx >= std::numeric_limits<double>::min())) return NoLine(kTooClose);
  const double slope = sxy / sxx;
  const double intercept = meanY - slope * meanX;
  // Anything else beyond a Double comes from values too large. The equation's text multiplies
  // by 100, so a number that cannot take that has no text either.
  for (const double v : {sxx, sxy, meanY, slope, intercept, slope * 100.0, intercept * 100.0})
    if (!std::isfinite(v)) return NoLine(kTooLarge);
  return LineFit{.fitted = true, .slope = slope, .intercept = intercept};
}

std::string EquationText(const LineFit& fit) {
  if (!fit.fitted) return fit.why;
  return "Y = " + Hundredths(fit.slope) + "*X + " + Hundredths(fit.intercept);
}
