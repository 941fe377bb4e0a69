#pragma once

#include "app/popupSpriteCan.h"

// The data card of a carried ladybug: its larva or dot-count picture on a light grey card
// with a black frame, and a red dot in the bottom-right corner when the bug is exposed. Each
// showing draws a new card.
class spriteDataPopUp : public popupSpriteCan {
 public:
  explicit spriteDataPopUp(const ControlSpec& desc) : popupSpriteCan(desc) {}

  using popupSpriteCan::prepare;
  // Places the card at LeftFor(x, the window's width), y + 12, and draws it. The sprite must
  // be a ladybug.
  void prepare(Int32 x, Int32 y, const std::shared_ptr<smartSprite>& sprite,
               Window& window) override;
  // The card's left edge for the pointer at x in a window that wide: x + 5, or flush with the
  // window's right edge when the card would not stay left of it. Only the right edge is held
  // inside the window.
  Int32 LeftFor(Int32 x, Int32 windowWidth) const;
};
