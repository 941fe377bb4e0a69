#pragma once

#include "model/smartSurface.h"

// A field from which the mouse can take a sprite and onto which it can drop one.
class clickSurface : public smartSurface {
 public:
  explicit clickSurface(const ControlSpec& desc) : smartSurface(desc) {}

  // True only during the frame that redraws the field around a pick-up, a drop or a move of
  // bugs into it: nothing moves, ages or mates then.
  bool processingClick = false;

  clickSurface* asClickSurface() override { return this; }

  // Takes the oldest sprite under the window point off the field and returns it, its X, Y
  // turned into its offset from the pointer; null when no sprite is there.
  std::shared_ptr<smartSprite> mouseDown(Int32 x, Int32 y);
  // Puts the sprite onto the field where it was held relative to the pointer.
  void spriteDrop(const std::shared_ptr<smartSprite>& sprite, Int32 x, Int32 y);
};
