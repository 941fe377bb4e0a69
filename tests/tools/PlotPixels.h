#pragma once
// The scatterplot's colours and the pixels its tests look for.

#include <vector>

#include "framework/Picture.h"

namespace PlotPixels {
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kGrey{150, 150, 150};
inline constexpr Color kRed{255, 102, 102};

struct Pixel {
  Int32 x, y;
  friend bool operator==(const Pixel&, const Pixel&) = default;
};

// The pixels of one colour in the picture, column by column.
inline std::vector<Pixel> PixelsOf(const Picture& picture, Color colour) {
  std::vector<Pixel> found;
  for (Int32 x = 0; x < picture.Width(); ++x) {
    for (Int32 y = 0; y < picture.Height(); ++y) {
      if (picture.Pixel(x, y) == colour) found.push_back({x, y});
    }
  }
  return found;
}

// The pixels a disc of diameter 6 centred on (x, y) fills.
inline std::vector<Pixel> Disc(Int32 x, Int32 y) {
  std::vector<Pixel> pixels;
  for (Int32 i = x - 3; i <= x + 2; ++i) {
    for (Int32 j = y - 3; j <= y + 2; ++j) {
      const double dx = (i + 0.5 - x) / 3.0, dy = (j + 0.5 - y) / 3.0;
      if (dx * dx + dy * dy <= 1.0) pixels.push_back({i, j});
    }
  }
  return pixels;
}
}  // namespace PlotPixels
