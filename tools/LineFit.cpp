#include "tools/LineFit.h"

#include <algorithm>
#include <cmath>

#include "framework/Functions.h"

namespace {
LineFit NoLine(const char* why) {
  return LineFit{.why = why};
}

std::string Hundredths(double value) {
  return Str(Round(value * 100.0) / 100.0);
}
}  // namespace

LineFit FitLine(const std::vector<ScatterPoint>& points) {
  if (points.empty()) return NoLine("No pairs to fit");
  // Decided from the values themselves: equal X values can leave a rounded mean and with it a
  // sum of squares just above 0, which would give a steep line through a single column.
  const bool oneX = std::all_of(points.begin(), points.end(),
                                [&](const ScatterPoint& p) { return p.x == points.front().x; });
  if (oneX) return NoLine("Need two different X");
  double sumX = 0.0, sumY = 0.0;
  for (const ScatterPoint& p : points) {
    sumX += p.x;
    sumY += p.y;
  }
  const double n = static_cast<double>(points.size());
  const double meanX = sumX / n, meanY = sumY / n;
  double sxx = 0.0;
  for (const ScatterPoint& p : points) sxx += (p.x - meanX) * (p.x - meanX);
  double sxy = 0.0;
  for (const ScatterPoint& p : points) sxy += (p.x - meanX) * (p.y - meanY);

  if (!std::isfinite(sxx) || !std::isfinite(sxy) || !std::isfinite(meanY))
    return NoLine("Values too large");
  const double slope = sxy / sxx;
  // X values so close that their squares vanish (Sxx = 0) or that the slope leaves the range
  // of a Double.
  if (!std::isfinite(slope)) return NoLine("X values too close");
  const double intercept = meanY - slope * meanX;
  // The equation's text multiplies by 100; a number that cannot take that has no text.
  if (!std::isfinite(intercept) || !std::isfinite(slope * 100.0) ||
      !std::isfinite(intercept * 100.0))
    return NoLine("Values too large");
  return LineFit{.fitted = true, .slope = slope, .intercept = intercept};
}

std::string EquationText(const LineFit& fit) {
  if (!fit.fitted) return fit.why;
  return "Y = " + Hundredths(fit.slope) + "*X + " + Hundredths(fit.intercept);
}
