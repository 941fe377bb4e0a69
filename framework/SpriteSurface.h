#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "framework/Picture.h"
#include "framework/RectControl.h"
#include "framework/Sprite.h"

// A control that shows a backdrop, tiled to cover it, and its attached sprites.
//
// Update runs one frame: Event_NextFrame once; then the pairs of attached sprites that
// touch are gathered, and Event_Collision runs once for each pair; then the surface is
// repainted (asynchronously, coalesced by the event loop) with every sprite's Image at its
// X, Y in order of attachment.
//
// Engine rules:
// - Two sprites touch when their image rectangles overlap by at least one pixel; a sprite
//   without an image touches nothing.
// - Sprites of the same negative group pair (bugs, group -1); a sprite of a positive group
//   pairs with any sprite of another group (0 and the negative ones included). Two sprites
//   of group 0, or of group 0 and a negative group, never pair.
// - The first sprite of a pair is the one attached earlier, and pairs come in order of
//   their first sprite, then of their second.
// - The pairs of a frame are gathered before its first Collision handler runs: a sprite
//   attached during the dispatch waits for the next frame, and a pair whose sprite has left
//   the surface meanwhile is skipped.
// - A sprite's white pixels are not drawn, whatever its picture's Transparent: a bug shows
//   as its disc, not as a white square.
// - FrameSpeed, ClickToStop and Depth are kept but change nothing: frames run only by Update.
// Mouse presses pass through the surface to its window.
class SpriteSurface : public RectControl {
 public:
  explicit SpriteSurface(const ControlSpec& desc);
  ~SpriteSurface() override;

  // A sprite on no surface joins this one, as its newest sprite. A sprite already on a
  // surface is first taken off it.
  virtual void Attach(const std::shared_ptr<Sprite>& sprite);
  void Update();

  const PicturePtr& Backdrop() const { return backdrop_; }
  void Backdrop(PicturePtr picture);
  Int32 FrameSpeed() const { return frameSpeed_; }
  void FrameSpeed(Int32 v) { frameSpeed_ = v; }
  bool ClickToStop() const { return clickToStop_; }
  void ClickToStop(bool v) { clickToStop_ = v; }
  Int32 Depth() const { return depth_; }
  void Depth(Int32 v) { depth_ = v; }

  // The attached sprites, oldest first.
  const std::vector<std::shared_ptr<Sprite>>& AttachedSprites() const { return attached_; }

  // The touching pairs among the attached sprites, by index into AttachedSprites(), in the
  // order Update reports them.
  std::vector<std::pair<std::size_t, std::size_t>> TouchingPairs() const;

 protected:
  virtual void Event_NextFrame() {}
  virtual void Event_Collision(Sprite& /*sprite1*/, Sprite& /*sprite2*/) {}

 private:
  friend class Sprite;
  void Detach(Sprite& sprite);

  std::vector<std::shared_ptr<Sprite>> attached_;
  std::vector<std::pair<std::size_t, std::size_t>> pairBuffer_;
  PicturePtr backdrop_;
  Int32 frameSpeed_ = 0;
  bool clickToStop_ = false;
  Int32 depth_ = 32;
};
