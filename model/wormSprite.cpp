#include "model/wormSprite.h"

#include "framework/Functions.h"
#include "framework/Rnd.h"
#include "model/Angles.h"
#include "model/Disc.h"
#include "model/smartSurface.h"

void wormSprite::prepare(smartSurface& field) {
  Image(NewDisc(7, RGB(230, 85, 85)));
  Group(1);
  direction = Rnd() * kPi;
  speed = 0.5;
  xLoc = Rnd() * static_cast<double>(field.Width() - 20 - 7) + 10.0;
  yLoc = Rnd() * static_cast<double>(field.Height() - 20 - 7) + 10.0;
  X(ToInt32(Round(xLoc)));
  Y(ToInt32(Round(yLoc)));
}
