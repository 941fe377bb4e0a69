#pragma once

#include <string>

#include "framework/RectControl.h"

// A single-line text entry field. The first editable field of a window holds the keyboard
// focus when the window opens, so that typing goes into it at once.
class EditField : public RectControl {
 public:
  explicit EditField(const ControlSpec& desc);
  std::string Text() const;
  void Text(const std::string& text);
  void AttachToWindow(Window& window) override;
};
