#include "tools/DotCounts.h"

#include <algorithm>

#include "framework/Functions.h"
#include "model/critterSprite.h"

DotCounts CountDots(const Array<std::shared_ptr<smartSprite>>& sprites) {
  DotCounts counts;
  const Int32 last = sprites.Ubound();
  for (Int32 i = 0; i <= last; ++i) {
    const auto* bug = dynamic_cast<const critterSprite*>(sprites(i).get());
    if (!bug || bug->phenotype == "larva") continue;
    const Int32 d = ToInt32(Val(bug->phenotype));
    // A dot count outside the range cannot come from a bug of this program; it is left out
    // rather than written past the counts.
    if (d < 0 || d > kMostDots) continue;
    counts.count[static_cast<std::size_t>(d)] += 1;
    counts.sum += d;
    counts.n += 1;
  }
  counts.max = *std::max_element(counts.count.begin(), counts.count.end());
  return counts;
}

Int32 BarHeight(const DotCounts& counts, Int32 dots, Int32 tallest) {
  if (counts.max <= 0) return 0;
  return ToInt32(static_cast<double>(counts.count[static_cast<std::size_t>(dots)]) / counts.max *
                 tallest);
}

std::string MeanText(const DotCounts& counts) {
  if (counts.max <= 0) return "NA";
  return Str(Round(100.0 * (static_cast<double>(counts.sum) / counts.n)) / 100.0);
}
