#include "model/clickSprite.h"

#include "model/clickSurface.h"

void clickSprite::redraw(smartSurface& field) {
  auto* surface = dynamic_cast<clickSurface*>(&field);
  if (surface && !surface->processingClick) move(field);
}
