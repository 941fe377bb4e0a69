#pragma once

#include "framework/Sprite.h"
#include "framework/Types.h"

class smartSurface;
class critterSprite;
class wormSprite;

// The base of every sprite on a field: the hooks the field's frame dispatch calls, and the
// hit test used to pick a sprite up.
class smartSprite : public Sprite {
 public:
  // Once per frame of the field that holds the sprite.
  virtual void redraw(smartSurface& /*field*/) {}
  // For each touching pair the sprite belongs to, with the other sprite.
  virtual void collision(smartSurface& /*field*/, smartSprite& /*other*/) {}
  // Sets a new sprite up for a field.
  virtual void prepare(smartSurface& /*field*/) {}
  // True when the field point lies strictly inside the sprite's current image.
  virtual bool within(Int32 x, Int32 y) const;

  // The sprite as a ladybug or as a worm, or null: the per-frame and per-contact paths ask
  // this instead of casting.
  virtual critterSprite* asCritter() { return nullptr; }
  virtual wormSprite* asWorm() { return nullptr; }

  Int32 ImageWidth() const { return Image() ? Image()->Width() : 0; }
  Int32 ImageHeight() const { return Image() ? Image()->Height() : 0; }
};
