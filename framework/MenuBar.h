#pragma once

#include <memory>

#include "framework/MenuItem.h"

class QMenu;
class QMenuBar;

// A menu bar: its children are the menus, in the order shown. On screen the bar ends with a
// Help menu, made by the framework, that holds the application-menu items (About) found
// anywhere in the bar's menus; the tree itself keeps them where they were appended, so a
// lookup by name finds them as before.
class MenuBar : public MenuItem {
 public:
  MenuBar();
  ~MenuBar() override;

  // A new on-screen bar showing these menus, for a window; the window owns it.
  QMenuBar* MakeBarWidget();
  // The framework's Help menu; null while the bar holds no application-menu item.
  QMenu* HelpMenu() const { return help_; }

 private:
  void GatherApplicationItems(MenuItem& menu);
  QMenu* help_ = nullptr;
};
