#pragma once

#include <string>
#include <vector>

#include "model/DotRange.h"

class QPainter;

// A ladybug seen from above, drawn around the painter's origin with its head toward -y, in
// the units of the data card's pictures: the body is 60 wide and 64 long, and the whole bug
// with legs and feelers fits a box from (-33, -48) to (33, 32).
namespace Ladybug {
// With 0 to kMostDots dots.
void Draw(QPainter& painter, int dots);

// The dot layouts that break a rule: dots that overlap or come too close to each other, to the
// body's edge, to the line between the wing cases or to the shield behind the head. Empty when
// all is well.
std::vector<std::string> LayoutProblems();
}  // namespace Ladybug
