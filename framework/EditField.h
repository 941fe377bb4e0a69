#pragma once

#include <string>

#include "framework/RectControl.h"

// A single-line text entry field.
class EditField : public RectControl {
 public:
  explicit EditField(const ControlSpec& desc);
  std::string Text() const;
  void Text(const std::string& text);
};
