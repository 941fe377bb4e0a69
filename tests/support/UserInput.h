#pragma once
// Drives windows the way a user does, for tests that include no toolkit header. Mouse and key
// events go through the toolkit's own delivery, so they reach what a user's would: presses
// fall through controls that let them pass, keys go to the focused widget, shortcuts and the
// default button apply.
//
// Every call ends by handling the events that are waiting, as the event loop does after a
// user's action: a shared window that the action closed may be gone when the call returns.

#include <string>

#include "framework/Picture.h"
#include "framework/Types.h"

class Listbox;
class PopupMenu;
class PushButton;
class RectControl;
class StaticText;
class Window;

namespace UserInput {
// The left button goes down at (x, y) in the window's content coordinates.
void MouseDown(Window& window, Int32 x, Int32 y);
// The pointer moves to (x, y); while the button is down this drags.
void MouseMove(Window& window, Int32 x, Int32 y);
void MouseUp(Window& window, Int32 x, Int32 y);
// Down and up at one place.
void Click(Window& window, Int32 x, Int32 y);
// A click in the middle of the button.
void Click(PushButton& button);
// The window manager's close box of the window, pressed.
void CloseBox(Window& window);
// A click at (x, y) from the top-left corner of the list's cell, through its window.
void ClickCell(Listbox& list, Int32 row, Int32 column, Int32 x = 4, Int32 y = 3);

// One key, to the window's focused widget (its content area when nothing has focus). Named as
// "Return", "Tab", "Shift+Tab", "Escape", "Backspace", "Ctrl+Q", or a single character.
void PressKey(Window& window, const std::string& key);
// The same, into the list's open cell editor; nothing when no cell is being edited.
void PressKey(Listbox& list, const std::string& key);
// Types the text, one key a character, into the window's focused widget.
void TypeText(Window& window, const std::string& text);
// Types into the list's open cell editor; nothing when no cell is being edited.
void TypeText(Listbox& list, const std::string& text);

// Opens the pop-up menu and clicks the row (0-based) in its list.
void ChoosePopupRow(PopupMenu& popup, Int32 row);

// What the control, or the window's content area, shows now. Painting is done afresh, so
// changes not yet repainted on screen show too.
PicturePtr Grab(RectControl& control);
PicturePtr Grab(Window& window);
// How wide the text is, in pixels, in the label's own font: a one-line label shows all of it
// when this is no more than the label's width.
Int32 TextWidth(const StaticText& label, const std::string& text);
}  // namespace UserInput
