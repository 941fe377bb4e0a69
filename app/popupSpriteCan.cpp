#include "app/popupSpriteCan.h"

void popupSpriteCan::popup(Int32 x, Int32 y, const std::shared_ptr<smartSprite>& sprite) {
  prepare(x, y, sprite);
  Visible(true);
}

void popupSpriteCan::vanish() {
  Visible(false);
}

void popupSpriteCan::popup(Int32 x, Int32 y, const std::shared_ptr<smartSprite>& sprite,
                           Window& window) {
  prepare(x, y, sprite, window);
  Visible(true);
}
