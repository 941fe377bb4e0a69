#pragma once

#include "framework/RadioButton.h"

// A radio button of the where-to dialog's destination array. Its control-array index is the
// destination: 0 the Left field, 1 the Right field, 2 discard.
class RadioButtonDestination : public RadioButton {
 public:
  using RadioButton::RadioButton;
};
