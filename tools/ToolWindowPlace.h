#pragma once

#include "framework/MenuItem.h"
#include "framework/Types.h"
#include "framework/Window.h"

// Refers to the settings in which a tool window remembers, across its instances, whether it
// is open and where its frame stood when it last closed. Passed by value, it writes through
// to them.
struct ToolWindowPlace {
  bool& hasBeenOpen;
  bool& isOpen;
  Int32& oldLeft;
  Int32& oldTop;
};

// The window's Open: back to where it last closed (left edge first, then top), if it has
// been open before; then open.
void RestorePlace(Window& window, ToolWindowPlace place);
// The window's Close: its place remembered, closed, and its Tools command enabled again
// before the application's EnableMenuItems runs.
void RememberPlace(const Window& window, ToolWindowPlace place, MenuItem& command);
