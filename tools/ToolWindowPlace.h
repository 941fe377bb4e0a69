#pragma once

#include "framework/Types.h"
#include "framework/Window.h"

// Where the histogram and scatterplot windows stood when they last closed, and whether they
// are open, across their instances and for the whole run; part of the program's shared
// settings, kept here beside the windows' place memory.
namespace Globals {
extern bool SampleHasBeenOpen;
extern bool SampleIsOpen;
extern Int32 SampleOldLeft;
extern Int32 SampleOldTop;
extern bool ScatterHasBeenOpen;
extern bool ScatterIsOpen;
extern Int32 ScatterOldLeft;
extern Int32 ScatterOldTop;
}  // namespace Globals

// Refers to the settings in which a tool window remembers, across its instances, whether it
// is open and where its frame stood when it last closed, and names the window's Tools menu
// command. Passed by value, it writes through to the settings.
struct ToolWindowPlace {
  bool& hasBeenOpen;
  bool& isOpen;
  Int32& oldLeft;
  Int32& oldTop;
  const char* command;  // the name of the menu item that opens the window
};

// The places of the two tool windows.
ToolWindowPlace SamplePlace();
ToolWindowPlace ScatterPlace();

// The window's Open: back to where it last closed (left edge first, then top), if it has
// been open before; then open.
void RestorePlace(Window& window, ToolWindowPlace place);
// The window's Close: its place remembered, closed, and its Tools command enabled again
// before the application's EnableMenuItems runs. Raises NilObjectException when the
// application's menu bar has no such command.
void RememberPlace(const Window& window, ToolWindowPlace place);
