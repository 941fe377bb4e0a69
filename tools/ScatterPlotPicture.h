#pragma once

#include <vector>

#include "framework/Picture.h"
#include "tools/LineFit.h"

// The scatterplot on the dot scale (0 to kMostDots) on both axes, 3 pixels in from each edge
// of a width by height picture: white, the fitted line in grey (none without a fit), then a
// light red disc of diameter 6 for each point, over the line.
PicturePtr ScatterPlotPicture(Int32 width, Int32 height, const LineFit& fit,
                              const std::vector<ScatterPoint>& points);

// A white picture of that size: the plot before anything is graphed.
PicturePtr BlankPlotPicture(Int32 width, Int32 height);
