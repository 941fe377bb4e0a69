#pragma once

#include <string>
#include <vector>

#include "framework/Types.h"

// A window's kind, with the code the layouts give it.
enum class WindowFrame : Int32 {
  Document = 0,     // the main window, carrying the menu bar
  ModalDialog = 2,  // blocks the program's other windows while it is open
  Floating = 3,     // a tool window that stays above the document window
};

// Where a window first stands, with the layouts' codes.
enum class WindowPlacement : Int32 {
  Default = 0,       // centred over the frontmost document window, if any
  MainScreen = 2,    // centred on the main screen
  ParentScreen = 3,  // centred on the screen of the document window
};

// How a label lines up its text, with the layouts' codes.
enum class TextAlignment : Int32 { Left = 0, Centre = 1, Right = 2 };

// Whether and how often a timer fires, with the codes the program sets.
enum class TimerMode : Int32 { Off = 0, Once = 1, Repeating = 2 };

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
  TextAlignment alignment = TextAlignment::Left;
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
  Int32 borderWidth = 0;                 // rectangles; the width of a Line
  TimerMode timerMode = TimerMode::Off;  // timers
  Int32 timerPeriod = 1000;
  std::string className{};  // the program's own class for this control, if any
};

// A window's declarative layout: window properties, then the controls in creation order,
// which is also their Tab order.
struct WindowLayout {
  std::string title{};
  Int32 width = 300;
  Int32 height = 300;
  WindowFrame frame = WindowFrame::Document;
  WindowPlacement placement = WindowPlacement::Default;
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
