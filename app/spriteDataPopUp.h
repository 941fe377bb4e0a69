#pragma once

#include "app/popupSpriteCan.h"

// The data card of a carried ladybug: its larva or dot-count picture on a light grey card
// with a black frame, and a red dot in the bottom-right corner when the bug is exposed. Each
// showing draws a new card.
class spriteDataPopUp : public popupSpriteCan {
 public:
  explicit spriteDataPopUp(const ControlSpec& desc) : popupSpriteCan(desc) {}

  using popupSpriteCan::prepare;
  // Places the card at x + 5, y + 12, or flush with the window's right edge when it would
  // not stay left of it, and draws it. The sprite must be a ladybug.
  void prepare(Int32 x, Int32 y, const std::shared_ptr<smartSprite>& sprite,
               Window& window) override;
};
