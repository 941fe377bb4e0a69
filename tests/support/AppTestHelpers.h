#pragma once
// Helpers for the application tests that reach what UserInput does not: the menu bar a window
// shows. Like UserInput, they need no toolkit header.

#include <string>

class MenuBar;
class Window;

namespace AppTestHelpers {
// True when the window shows a menu bar whose menus are the bar's own menus, in its order, then
// the framework's Help menu when the bar has one.
bool ShowsMenuBar(Window& window, MenuBar& bar);

// Opens the menu of that title on the window's menu bar and clicks the item of that caption in
// it, as a user does; then handles the events that are waiting. False when the window shows no
// such item or the item is disabled once the menu is open.
bool ChooseFromMenuBar(Window& window, const std::string& menuTitle, const std::string& itemText);
}  // namespace AppTestHelpers
