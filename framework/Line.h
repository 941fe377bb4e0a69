#pragma once

#include "framework/RectControl.h"

// A straight line from (X1, Y1) to (X2, Y2) in window coordinates. Its Left, Top, Width and
// Height are those of the layout: X2 = Left + Width, Y2 = Top + Height.
class Line : public RectControl {
 public:
  explicit Line(const ControlSpec& desc);
  Int32 X1() const { return Left(); }
  Int32 Y1() const { return Top(); }
  Int32 X2() const { return Left() + Width(); }
  Int32 Y2() const { return Top() + Height(); }
  Color LineColor() const { return color_; }
  Int32 BorderWidth() const { return lineWidth_; }

 protected:
  void PlaceWidget() override;

 private:
  Color color_;
  Int32 lineWidth_;
};
