#pragma once

#include <limits>

#include "model/clickSprite.h"

// Moves in a straight line at constant speed from an exact position, bouncing off the
// edges of its field. X, Y follow xLoc, yLoc by rounding after every step.
class bounceSprite : public clickSprite {
 public:
  // Heading in radians from the positive x axis towards the positive y axis (downward).
  double direction = 0.0;
  // Pixels per frame.
  double speed = 0.0;
  // Exact top-left corner in field coordinates.
  double xLoc = 0.0;
  double yLoc = 0.0;

  void move(smartSurface& field) override;
  // Reflects the heading at an edge the sprite has passed while heading further out, then
  // brings it back into 0..6.2831853 by at most one correction.
  virtual void bounce(smartSurface& field);
  // One step along the heading.
  virtual void shuffle();

 private:
  // The cosine and sine of the last heading stepped along: a heading changes only at an
  // edge or a contact, so most steps reuse them.
  double stepHeading_ = std::numeric_limits<double>::quiet_NaN();
  double stepCos_ = 1.0;
  double stepSin_ = 0.0;
};
