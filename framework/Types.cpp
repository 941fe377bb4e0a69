#include "framework/Types.h"

#include <algorithm>
#include <cmath>

namespace {
std::uint8_t Channel(Int32 v) {
  return static_cast<std::uint8_t>(std::clamp<Int32>(v, 0, 255));
}
std::uint8_t Complement(double fraction) {
  if (std::isnan(fraction)) fraction = 0.0;
  fraction = std::clamp(fraction, 0.0, 1.0);
  return static_cast<std::uint8_t>(std::lround((1.0 - fraction) * 255.0));
}
}  // namespace

Color RGB(Int32 red, Int32 green, Int32 blue) {
  return Color{Channel(red), Channel(green), Channel(blue)};
}

Color CMY(double cyan, double magenta, double yellow) {
  return Color{Complement(cyan), Complement(magenta), Complement(yellow)};
}
