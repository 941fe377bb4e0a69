#pragma once

#include <cstdint>

using Int32 = std::int32_t;

// A screen colour, 8 bits per channel.
struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

// Channels outside 0..255 are clamped.
Color RGB(Int32 red, Int32 green, Int32 blue);

// Cyan, magenta and yellow fractions 0.0..1.0, the complements of red, green and blue;
// a fraction outside that range (or NaN) is clamped.
Color CMY(double cyan, double magenta, double yellow);
