#pragma once

#include "framework/MenuItem.h"

// Choosing it ends the event loop; it works behind a modal dialog too.
class QuitMenuItem : public MenuItem {
 public:
  bool WorksBehindModalDialog() const override { return true; }

 protected:
  void Perform() override;
};
