#pragma once

class QPainter;

// A ladybug larva seen from above, head to the left, in a box of 86 by 51 from the painter's
// origin: long and segmented, dark, with orange spots, its six legs near the front.
namespace Larva {
constexpr int kWidth = 86;
constexpr int kHeight = 51;

void Draw(QPainter& painter);
}  // namespace Larva
