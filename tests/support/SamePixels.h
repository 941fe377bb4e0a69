#pragma once

#include "framework/Picture.h"

// Two pictures of one size whose every pixel has the same colour.
inline bool SamePixels(const Picture& a, const Picture& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (Int32 y = 0; y < a.Height(); ++y) {
    for (Int32 x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    }
  }
  return true;
}
