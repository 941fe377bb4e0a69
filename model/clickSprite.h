#pragma once

#include "model/smartSprite.h"

// A sprite that moves once in every frame of its field, except while the field is
// processing a click (and never on a surface that is not a clickSurface).
class clickSprite : public smartSprite {
 public:
  void redraw(smartSurface& field) override;
  virtual void move(smartSurface& /*field*/) {}
};
