#pragma once

#include <memory>

#include "framework/Array.h"
#include "framework/SpriteSurface.h"
#include "model/smartSprite.h"

// A sprite surface that keeps its own list of sprites and turns each frame into calls on
// them: NextFrame becomes every sprite's redraw in list order, then the surface's own;
// each Collision becomes both sprites' collision, then the surface's.
class clickSurface;
class popSurface;

class smartSurface : public SpriteSurface {
 public:
  explicit smartSurface(const ControlSpec& desc) : SpriteSurface(desc) {}

  // Entry 0 is always empty; the attached sprites are entries 1 to the upper bound, oldest
  // first, so the upper bound is the number of sprites. The list owns them.
  Array<std::shared_ptr<smartSprite>> sprites;

  virtual void redraw() {}
  virtual void collision(smartSprite& /*s1*/, smartSprite& /*s2*/) {}
  virtual void prepare() {}
  // The surface as a pick-up surface or a population field, or null (cheaper than a cast).
  virtual clickSurface* asClickSurface() { return nullptr; }
  virtual popSurface* asPopSurface() { return nullptr; }
  // Attaches the sprite and appends it to the list, then runs addedSprite. A sprite still on
  // a field (this one too) leaves that field first; null is ignored.
  void doAttach(std::shared_ptr<smartSprite> sprite);
  // Only smartSprite objects join the surface; any other sprite is ignored, so that the
  // frame dispatch can take every attached sprite as one.
  void Attach(const std::shared_ptr<Sprite>& sprite) override;
  // True when the window point lies strictly inside the field's rectangle.
  bool within(Int32 x, Int32 y) const;
  // Detaches every sprite, newest first, then runs one frame of the empty field.
  void clear();
  virtual void addedSprite(smartSprite& /*sprite*/) {}
  virtual void removedSprite(smartSprite& /*sprite*/) {}
  // Takes the sprite at entry index (1 to the upper bound) off the field.
  void doDetach(Int32 index);

 protected:
  void Event_NextFrame() override;
  void Event_Collision(Sprite& sprite1, Sprite& sprite2) override;
};
