#pragma once

#include "model/clickSurface.h"

// A population field: white backdrop, counts of its bugs and worms, and the end-of-frame
// removal of bugs older than Globals::Lifespan. Its control-array index is its field index.
class popSurface : public clickSurface {
 public:
  explicit popSurface(const ControlSpec& desc) : clickSurface(desc) {}

  // The numbers of critterSprite and wormSprite objects in sprites.
  Int32 numCritters = 0;
  Int32 numWorms = 0;

  void prepare() override;
  popSurface* asPopSurface() override { return this; }
  void addedSprite(smartSprite& sprite) override;
  void removedSprite(smartSprite& sprite) override;
  void redraw() override;
};
