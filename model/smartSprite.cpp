#include "model/smartSprite.h"

bool smartSprite::within(Int32 x, Int32 y) const {
  return X() < x && x < X() + ImageWidth() && Y() < y && y < Y() + ImageHeight();
}
