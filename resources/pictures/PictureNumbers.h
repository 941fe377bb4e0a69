#pragma once

#include <array>
#include <cstddef>

#include "model/DotRange.h"

// The numbers of the program's pictures: the drawing program writes picture N as N.png, and
// the program reads it as its picture resource N. The numbers fill kFirst to kLast, each
// naming one picture; the build reads those two lines, as they are written, to know the files
// it embeds.
namespace PictureNumbers {
inline constexpr int kFirst = 168;
inline constexpr int kLast = 184;

inline constexpr int kCover = 168;
inline constexpr int kLarva = 169;
// The ladybug with that many dots.
inline constexpr std::array<int, kMostDots + 1> kLadybug{175, 177, 180, 179, 178, 174, 173, 172,
                                                         171, 170, 176, 184, 181, 183, 182};

consteval bool EachNumberNamesOnePicture() {
  std::array<int, kLast - kFirst + 1> uses{};
  std::array<int, kLadybug.size() + 2> all{kCover, kLarva};
  for (std::size_t i = 0; i < kLadybug.size(); ++i) all[i + 2] = kLadybug[i];
  for (int number : all) {
    if (number < kFirst || number > kLast) return false;
    ++uses[static_cast<std::size_t>(number - kFirst)];
  }
  for (int n : uses) {
    if (n != 1) return false;
  }
  return true;
}
static_assert(EachNumberNamesOnePicture());
}  // namespace PictureNumbers
