#pragma once

#include <memory>

#include "app/RadioButtonDestination.h"
#include "framework/Window.h"

// The dialog that a field's "Clear" button opens (the field's index is in the main window's
// fromPond): it discards all the field's bugs or moves them all into the Left or Right field.
class WindowWhereTo : public Window {
 public:
  WindowWhereTo();

  // The destination button of that index (0 Left field, 1 Right field, 2 discard).
  ::RadioButtonDestination& RadioButtonDestination(Int32 index) const;

  void PushButtonOkay_Action();
  void PushButtonCancel_Action();
  // Every opening starts with "Dump them" chosen.
  void Event_Open() override;

 protected:
  std::unique_ptr<Control> MakeControl(const ControlSpec& desc) override;
  void BindControls() override;
};
