#include "resources/layouts/LayoutParts.h"
#include "resources/layouts/Layouts.h"

namespace {
// Paragraphs are separated by a blank line.
const char* const kAboutText =
    "Quellmoor 1.0, 2026, the Quellmoor team.\r"
    "\r"
    "You may copy Quellmoor and pass it on to others, free of charge and unchanged, for "
    "teaching and learning.\r"
    "\r"
    "Quellmoor comes with no warranty of any kind. It is provided as it is, without any "
    "promise that it is free of faults or fit for any particular purpose; you use it at your "
    "own risk.\r"
    "\r"
    "Quellmoor is written in C++ with Qt, https://www.qt.io.\r"
    "\r"
    "Comments and suggestions are welcome: please pass them on through whoever gave you the "
    "program.";

WindowLayout Make() {
  WindowLayout w{.title = "About Quellmoor",
                 .width = 441,
                 .height = 535,
                 .frame = WindowFrame::ModalDialog,
                 .placement = WindowPlacement::MainScreen,
                 .closeBox = false,
                 .resizable = false,
                 .maximizeButton = false,
                 .minimizeButton = false,
                 .menuBarVisible = true,
                 .hasBackColor = true,
                 .backColor = {255, 255, 255}};
  auto& c = w.controls;
  c.push_back(
      Label("StaticTextAboutBlurb", kAboutText, 32, 299, 386, 212, TextAlignment::Left, true, 10));
  c.push_back(Label("LabelTitle", "Quellmoor\rSoftware for Varnholt", 87, 217, 253, 33,
                    TextAlignment::Left, true));
  // The page's address is filled in when the window is made.
  ControlSpec address =
      Label("LabelWebAddress", "", 97, 258, 210, 16, TextAlignment::Left, false, 10);
  address.elideMiddle = true;
  c.push_back(address);
  c.push_back(Button("PushButtonClose", "OK", 361, 491, 60, 20));
  c.push_back(ControlSpec{.kind = ControlKind::Canvas,
                          .name = "CanvasCover",
                          .left = 190,
                          .top = 23,
                          .width = 158,
                          .height = 204,
                          .takesFocus = false});
  c.push_back(Button("PushButtonGoThere", "Go there", 273, 256, 58, 18, false, 10));
  return w;
}
}  // namespace

const WindowLayout& WindowAboutLayout() {
  static const WindowLayout layout = Make();
  return layout;
}
