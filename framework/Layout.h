#pragma once

#include <string>
#include <vector>

#include "framework/Types.h"

enum class ControlKind {
  StaticText,
  PushButton,
  EditField,
  RadioButton,
  PopupMenu,
  Listbox,
  Canvas,
  Rectangle,
  Line,
  SpriteSurface,
  Timer,
};

// One control of a window's layout. Fields that do not apply to a kind are ignored.
struct ControlSpec {
  ControlKind kind = ControlKind::StaticText;
  std::string name{};
  Int32 index = -1;  // control-array index; -1 for a control of no array
  Int32 left = 0;
  Int32 top = 0;
  Int32 width = 0;  // a Line runs from (left, top) to (left + width, top + height)
  Int32 height = 0;
  std::string text{};               // caption or text; "\r" separates lines
  std::vector<std::string> rows{};  // pop-up rows, or a list's column headings
  Int32 textSize = 12;
  Int32 alignment = 0;  // 0 left, 1 centred, 2 right
  bool multiline = false;
  bool elideMiddle = false;  // a one-line label too narrow for its text shows "…" in its middle
  bool visible = true;
  bool enabled = true;
  bool isDefault = false;  // the push button that Return presses
  bool border = true;      // edit fields; also the Rectangle's border when borderWidth > 0
  bool value = false;      // radio buttons
  bool takesFocus = true;
  Int32 listIndex = 0;  // pop-up menus
  Color textColor{0, 0, 0};
  Color fillColor{255, 255, 255};  // rectangles; the background of an edit field
  Color borderColor{0, 0, 0};
  Int32 borderWidth = 0;  // rectangles; the width of a Line
  Int32 timerMode = 0;    // timers
  Int32 timerPeriod = 1000;
  std::string className{};  // the program's own class for this control, if any
};

// A window's declarative layout: window properties, then the controls in creation order,
// which is also their Tab order.
struct WindowLayout {
  std::string title{};
  Int32 width = 300;
  Int32 height = 300;
  Int32 frame = 0;      // 0 document window, 2 modal dialog, 3 floating tool window
  Int32 placement = 0;  // 0 default, 2 centred on the screen, 3 centred on the parent's screen
  bool closeBox = true;
  bool resizable = true;
  bool maximizeButton = true;  // shown only on a resizable window
  bool minimizeButton = true;
  // Shown on a document window (kind 0) only: dialogs and floating windows carry no menu
  // bar on this desktop, though the application's shortcuts work from them.
  bool menuBarVisible = true;
  bool visible = true;
  bool hasBackColor = false;
  Color backColor{255, 255, 255};
  Int32 minWidth = 64;
  Int32 minHeight = 64;
  Int32 maxWidth = 32000;
  Int32 maxHeight = 32000;
  std::vector<ControlSpec> controls{};
};
