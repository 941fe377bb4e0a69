#pragma once

#include "framework/MenuItem.h"

// The About item. This desktop has no application menu: the bar shows it in a Help menu of
// its own at the end, while the tree keeps it where it was appended.
class AppMenuItem : public MenuItem {
 public:
  bool IsApplicationMenuItem() const override { return true; }
};
