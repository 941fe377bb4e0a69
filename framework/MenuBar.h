#pragma once

#include <memory>

#include "framework/MenuItem.h"

class QMenuBar;

// A menu bar: its children are the menus, in the order shown.
class MenuBar : public MenuItem {
 public:
  // A new on-screen bar showing these menus, for a window; the window owns it.
  QMenuBar* MakeBarWidget();
};
