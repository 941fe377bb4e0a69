#pragma once

#include <array>
#include <memory>
#include <string>

#include "framework/Array.h"
#include "model/DotRange.h"
#include "model/smartSprite.h"

// The adults of a field counted by their dots, as the histogram shows them.
struct DotCounts {
  std::array<Int32, kMostDots + 1> count{};  // bugs by their number of dots
  Int32 sum = 0;                             // the dots of all the bugs counted
  Int32 n = 0;                               // the bugs counted
  Int32 max = 0;                             // the largest of the counts
};

// The adult ladybugs of a field's sprite list, in which any entry may be empty. Larvae, other
// sprites and dot counts outside 0 to kMostDots are left out.
DotCounts CountDots(const Array<std::shared_ptr<smartSprite>>& sprites);

// The height of the bar for that many dots when the largest count stands tallest high, the
// fraction dropped; 0 for every bar when nothing was counted.
Int32 BarHeight(const DotCounts& counts, Int32 dots, Int32 tallest);

// The mean number of dots rounded to hundredths and written by Str; "NA" when nothing was
// counted.
std::string MeanText(const DotCounts& counts);
