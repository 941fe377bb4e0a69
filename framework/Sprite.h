#pragma once

#include "framework/Picture.h"
#include "framework/Types.h"

class SpriteSurface;

// A picture placed on a sprite surface. X, Y is its top-left corner in the surface's
// coordinates; they can be read and set also while the sprite is on no surface.
class Sprite {
 public:
  Sprite() = default;
  virtual ~Sprite() = default;
  Sprite(const Sprite&) = delete;
  Sprite& operator=(const Sprite&) = delete;

  Int32 X() const { return x_; }
  void X(Int32 v) { x_ = v; }
  Int32 Y() const { return y_; }
  void Y(Int32 v) { y_ = v; }
  const PicturePtr& Image() const { return image_; }
  void Image(PicturePtr picture) { image_ = std::move(picture); }
  // Collision group: see SpriteSurface for which groups pair up.
  Int32 Group() const { return group_; }
  void Group(Int32 g) { group_ = g; }

  // Takes the sprite off its surface (nothing when it is on none). The sprite keeps its
  // position and picture and can be attached again.
  void Close();
  SpriteSurface* Surface() const { return surface_; }

 private:
  friend class SpriteSurface;
  SpriteSurface* surface_ = nullptr;
  Int32 x_ = 0;
  Int32 y_ = 0;
  Int32 group_ = 0;
  PicturePtr image_;
};
