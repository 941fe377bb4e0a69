#include "resources/layouts/LayoutParts.h"
#include "resources/layouts/Layouts.h"

namespace {
WindowLayout Make() {
  WindowLayout w{.title = "The Truth",
                 .width = 298,
                 .height = 265,
                 .frame = WindowFrame::ModalDialog,
                 .placement = WindowPlacement::Default,
                 .closeBox = true,
                 .resizable = true,
                 .maximizeButton = true,
                 .minimizeButton = true};
  auto& c = w.controls;
  // The box behind the revealed text.
  c.push_back(ControlSpec{.kind = ControlKind::Rectangle,
                          .name = "Rectangle1",
                          .left = 5,
                          .top = 147,
                          .width = 288,
                          .height = 60,
                          .fillColor = {255, 255, 255},
                          .borderColor = {0, 0, 0},
                          .borderWidth = 1});
  c.push_back(Label("StaticTextTheTruth", "", 12, 154, 274, 150, TextAlignment::Left, true));
  c.push_back(Button("PushButtonOkay", "Close", 204, 227, 69, 20));
  c.push_back(Label("StaticText1", "Enter password:", 28, 19, 109, 20, TextAlignment::Right));
  c.push_back(ControlSpec{.kind = ControlKind::EditField,
                          .name = "EditFieldPassword",
                          .left = 35,
                          .top = 45,
                          .width = 205,
                          .height = 22,
                          .text = "",
                          .border = true});
  c.push_back(Button("PushButtonNowTellMe", "Now tell me.", 135, 105, 105, 20, true));
  ControlSpec tryAgain = Label("StaticTextTryAgain", "Sorry. Try again.", 81, 66, 137, 20);
  tryAgain.visible = false;
  c.push_back(tryAgain);
  return w;
}
}  // namespace

const WindowLayout& WindowTheTruthLayout() {
  static const WindowLayout layout = Make();
  return layout;
}
