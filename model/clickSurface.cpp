#include "model/clickSurface.h"

std::shared_ptr<smartSprite> clickSurface::mouseDown(Int32 x, Int32 y) {
  processingClick = true;
  const Int32 lx = x - Left(), ly = y - Top();
  std::shared_ptr<smartSprite> taken;
  for (Int32 i = 0; i < sprites.Ubound();) {
    ++i;
    if (sprites(i)->within(lx, ly)) {
      taken = sprites(i);
      PicturePtr image = taken->Image();
      doDetach(i);
      taken->Image(image);
      taken->X(taken->X() - lx);
      taken->Y(taken->Y() - ly);
      break;
    }
  }
  if (taken) Update();
  processingClick = false;
  return taken;
}

void clickSurface::spriteDrop(const std::shared_ptr<smartSprite>& sprite, Int32 x, Int32 y) {
  if (!sprite) return;
  processingClick = true;
  const Int32 lx = x - Left(), ly = y - Top();
  sprite->X(sprite->X() + lx);
  sprite->Y(sprite->Y() + ly);
  doAttach(sprite);
  Update();
  processingClick = false;
}
