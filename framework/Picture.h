#pragma once

#include <cstdint>
#include <memory>

#include "framework/Graphics.h"
#include "framework/Types.h"

class Picture;
using PicturePtr = std::shared_ptr<Picture>;

// An off-screen picture. A new picture is white. With Transparent 1 its white pixels are
// not drawn when the picture is shown on a surface or canvas or drawn into another picture.
class Picture {
 public:
  // Depth 16 or 32 (both are held at 32 bits; the depth is remembered). Sizes below 0
  // count as 0.
  Picture(Int32 width, Int32 height, Int32 depth);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // A picture's size is fixed when it is made.
  Int32 Width() const { return width_; }
  Int32 Height() const { return height_; }
  Int32 Depth() const;
  Int32 Transparent() const;
  void Transparent(Int32 value);

  // The drawing state and operations of this picture.
  ::Graphics& Graphics() { return graphics_; }

  // The colour of one pixel; white outside the picture.
  Color Pixel(Int32 x, Int32 y) const;

  // Grows with every change of the pixels; lets a viewer keep a converted copy.
  std::uint64_t Version() const { return version_; }

  struct Impl;
  Impl& impl() const { return *impl_; }
  void Touch() { ++version_; }

 private:
  std::unique_ptr<Impl> impl_;
  Int32 width_;
  Int32 height_;
  Int32 depth_;
  Int32 transparent_ = 0;
  std::uint64_t version_ = 0;
  ::Graphics graphics_;
};

PicturePtr NewPicture(Int32 width, Int32 height, Int32 depth);
