#pragma once

#include "model/bounceSprite.h"

// A small disc that wanders like a bug but neither ages nor breeds; a larva that touches
// one becomes exposed.
class wormSprite : public bounceSprite {
 public:
  // 3 draws: heading, x, y.
  void prepare(smartSurface& field) override;
  wormSprite* asWorm() override { return this; }
};
