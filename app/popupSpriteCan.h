#pragma once

#include <memory>

#include "framework/Canvas.h"
#include "framework/Window.h"
#include "model/smartSprite.h"

// A canvas that stays hidden until a drag shows it beside the pointer. Subclasses place and
// draw themselves in one of the two prepare hooks; what they show is their Backdrop.
class popupSpriteCan : public Canvas {
 public:
  explicit popupSpriteCan(const ControlSpec& desc) : Canvas(desc) {}

  // x, y: the pointer in the window's coordinates; sprite: the bug being carried.
  virtual void popup(Int32 x, Int32 y, const std::shared_ptr<smartSprite>& sprite);
  virtual void vanish();
  virtual void prepare(Int32 /*x*/, Int32 /*y*/, const std::shared_ptr<smartSprite>& /*sprite*/) {}
  virtual void prepare(Int32 /*x*/, Int32 /*y*/, const std::shared_ptr<smartSprite>& /*sprite*/,
                       Window& /*window*/) {}
  virtual void popup(Int32 x, Int32 y, const std::shared_ptr<smartSprite>& sprite, Window& window);
};
