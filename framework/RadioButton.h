#pragma once

#include <string>

#include "framework/RectControl.h"

// A radio button. All radio buttons of one window form one group with exactly one on: the
// last the layout marks on, or the first when it marks none.
class RadioButton : public RectControl {
 public:
  explicit RadioButton(const ControlSpec& desc);
  std::string Caption() const;
  bool Value() const;
  // Turning one on turns the others of its window off; turning the one that is on off
  // is ignored, since one of the group must stay on.
  void Value(bool on);
  void AttachToWindow(Window& window) override;
};
