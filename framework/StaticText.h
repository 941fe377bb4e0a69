#pragma once

#include <string>

#include "framework/RectControl.h"

// A label: one line, or several lines separated by "\r".
class StaticText : public RectControl {
 public:
  explicit StaticText(const ControlSpec& desc);
  const std::string& Text() const { return text_; }
  void Text(const std::string& text);

 private:
  std::string text_;
};
