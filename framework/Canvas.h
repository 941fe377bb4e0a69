#pragma once

#include "framework/Picture.h"
#include "framework/RectControl.h"

// Shows its Backdrop picture unscaled at its top-left corner. Mouse presses pass through
// to the window.
class Canvas : public RectControl {
 public:
  explicit Canvas(const ControlSpec& desc);
  const PicturePtr& Backdrop() const { return backdrop_; }
  void Backdrop(PicturePtr picture);

 private:
  PicturePtr backdrop_;
};
