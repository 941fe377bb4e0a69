#pragma once

#include "framework/RectControl.h"

// A filled rectangle with an optional border.
class Rectangle : public RectControl {
 public:
  explicit Rectangle(const ControlSpec& desc);
  Color FillColor() const { return fill_; }
  void FillColor(Color c);
  Int32 BorderWidth() const { return borderWidth_; }
  void BorderWidth(Int32 w);
  Color BorderColor() const { return borderColor_; }
  void BorderColor(Color c);

 private:
  Color fill_;
  Int32 borderWidth_;
  Color borderColor_;
};
