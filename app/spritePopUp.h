#pragma once

#include "app/popupSpriteCan.h"

// The drag picture: the carried bug's own image in a one-pixel grey frame, laid exactly over
// the place where the bug was shown when it was picked up.
class spritePopUp : public popupSpriteCan {
 public:
  explicit spritePopUp(const ControlSpec& desc) : popupSpriteCan(desc) {}

  using popupSpriteCan::prepare;
  // The sprite's X, Y hold its offset from the pointer; a null sprite leaves the canvas as
  // it is.
  void prepare(Int32 x, Int32 y, const std::shared_ptr<smartSprite>& sprite) override;
};
