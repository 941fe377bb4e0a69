#include "tools/ScatterPlotPicture.h"

#include "framework/Functions.h"
#include "model/DotRange.h"

namespace {
// Both axes run over the dot scale, from 0 to this.
constexpr double kTop = kMostDots;

constexpr Color kWhite{255, 255, 255};
constexpr Color kLineGrey{150, 150, 150};
constexpr Color kPointRed{255, 102, 102};

// The pixel row of the value y: 0 at row height - 3, kTop at row 3.
double RowOf(double y, Int32 height) {
  return (3.0 + (height - 6)) - (y / kTop) * (height - 6);
}

// A disc's centre, rounded. A centre this far outside the picture leaves no mark; keeping to
// this range also keeps the disc's corner (centre - 3) inside Int32 whatever the value.
bool DiscCentre(double position, Int32 size, Int32& centre) {
  const double rounded = Round(position);
  if (!(rounded >= -8.0 && rounded <= size + 8.0)) return false;
  centre = static_cast<Int32>(rounded);
  return true;
}

void DrawLine(Graphics& g, Int32 width, Int32 height, const LineFit& fit) {
  g.ForeColor(kLineGrey);
  // The line stops at column width - 6, 3 pixels short of X = kTop.
  for (Int32 px = 3; px <= width - 6; ++px) {
    const double xv = (static_cast<double>(px - 3) / (width - 6)) * kTop;
    const double yv = fit.slope * xv + fit.intercept;
    if (0.0 <= yv && yv <= kTop) g.FillOval(px, ToInt32(Round(RowOf(yv, height))), 1, 1);
  }
}

void DrawPoints(Graphics& g, Int32 width, Int32 height, const std::vector<ScatterPoint>& points) {
  g.ForeColor(kPointRed);
  for (const ScatterPoint& p : points) {
    Int32 px = 0, py = 0;
    if (!DiscCentre(3.0 + (p.x / kTop) * (width - 6), width, px)) continue;
    if (!DiscCentre(RowOf(p.y, height), height, py)) continue;
    g.FillOval(px - 3, py - 3, 6, 6);
  }
}
}  // namespace

PicturePtr BlankPlotPicture(Int32 width, Int32 height) {
  PicturePtr picture = NewPicture(width, height, 16);
  Graphics& g = picture->Graphics();
  g.ForeColor(kWhite);
  g.FillRect(0, 0, picture->Width(), picture->Height());
  return picture;
}

PicturePtr ScatterPlotPicture(Int32 width, Int32 height, const LineFit& fit,
                              const std::vector<ScatterPoint>& points) {
  PicturePtr picture = BlankPlotPicture(width, height);
  // A plot narrower than its margins has no columns for the line (and no scale to divide by).
  if (fit.fitted && width > 6 && height > 6) DrawLine(picture->Graphics(), width, height, fit);
  DrawPoints(picture->Graphics(), width, height, points);
  return picture;
}
