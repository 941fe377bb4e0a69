#include "model/bounceSprite.h"

#include "framework/Functions.h"
#include "model/Angles.h"
#include "model/smartSurface.h"

void bounceSprite::move(smartSurface& field) {
  bounce(field);
  shuffle();
}

void bounceSprite::bounce(smartSurface& field) {
  const double W = field.Width(), H = field.Height();
  const double w = ImageWidth(), h = ImageHeight();
  if (xLoc < 0.0 && Cos(direction) < 0.0) direction = kPi - direction;
  if (xLoc + w > W && Cos(direction) > 0.0) direction = kPi - direction;
  if (yLoc < 0.0 && Sin(direction) < 0.0) direction = direction * -1.0;
  if (yLoc + h > H && Sin(direction) > 0.0) direction = direction * -1.0;
  if (direction > kTwoPi) {
    direction = direction - kTwoPi;
  } else if (direction < 0.0) {
    direction = direction + kTwoPi;
  }
}

void bounceSprite::shuffle() {
  if (!(direction == stepHeading_)) {
    stepHeading_ = direction;
    stepCos_ = Cos(direction);
    stepSin_ = Sin(direction);
  }
  xLoc = xLoc + speed * stepCos_;
  yLoc = yLoc + speed * stepSin_;
  X(ToInt32(Round(xLoc)));
  Y(ToInt32(Round(yLoc)));
}
