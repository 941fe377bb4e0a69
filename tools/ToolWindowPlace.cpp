#include "tools/ToolWindowPlace.h"

#include "framework/Application.h"

namespace Globals {
bool SampleHasBeenOpen = false;
bool SampleIsOpen = false;
Int32 SampleOldLeft = 0;
Int32 SampleOldTop = 0;
bool ScatterHasBeenOpen = false;
bool ScatterIsOpen = false;
Int32 ScatterOldLeft = 0;
Int32 ScatterOldTop = 0;
}  // namespace Globals

ToolWindowPlace SamplePlace() {
  return {Globals::SampleHasBeenOpen, Globals::SampleIsOpen, Globals::SampleOldLeft,
          Globals::SampleOldTop, "ToolsSample"};
}

ToolWindowPlace ScatterPlace() {
  return {Globals::ScatterHasBeenOpen, Globals::ScatterIsOpen, Globals::ScatterOldLeft,
          Globals::ScatterOldTop, "ToolsScatterplot"};
}

void RestorePlace(Window& window, ToolWindowPlace place) {
  if (place.hasBeenOpen) {
    window.Left(place.oldLeft);
    window.Top(place.oldTop);
  }
  place.isOpen = true;
  place.hasBeenOpen = true;
}

void RememberPlace(const Window& window, ToolWindowPlace place) {
  place.oldLeft = window.Left();
  place.oldTop = window.Top();
  place.isOpen = false;
  ApplicationMenuItem(place.command)->Enabled(true);
  EnableMenuItems();
}
