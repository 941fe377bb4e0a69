#include "framework/Sprite.h"

#include "framework/SpriteSurface.h"

void Sprite::Close() {
  if (surface_) surface_->Detach(*this);
}
