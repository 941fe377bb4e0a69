#pragma once

#include <functional>
#include <string>

#include "framework/RectControl.h"

// A push button; the window's default button is pressed by Return.
class PushButton : public RectControl {
 public:
  explicit PushButton(const ControlSpec& desc);
  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& caption);
  bool IsDefault() const { return default_; }
  // Presses the button as a click would (nothing when it is disabled or hidden).
  void Push();

  std::function<void()> onAction;

 private:
  std::string caption_;
  bool default_;
};
