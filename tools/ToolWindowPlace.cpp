#include "tools/ToolWindowPlace.h"

#include "framework/Application.h"

void RestorePlace(Window& window, ToolWindowPlace place) {
  if (place.hasBeenOpen) {
    window.Left(place.oldLeft);
    window.Top(place.oldTop);
  }
  place.isOpen = true;
  place.hasBeenOpen = true;
}

void RememberPlace(const Window& window, ToolWindowPlace place, MenuItem& command) {
  place.oldLeft = window.Left();
  place.oldTop = window.Top();
  place.isOpen = false;
  command.Enabled(true);
  EnableMenuItems();
}
