#include "model/clickSprite.h"

#include "model/clickSurface.h"

void clickSprite::redraw(smartSurface& field) {
  clickSurface* surface = field.asClickSurface();
  if (surface && !surface->processingClick) move(field);
}
