#include "resources/layouts/LayoutParts.h"
#include "resources/layouts/Layouts.h"

namespace {
WindowLayout Make() {
  WindowLayout w{.title = "",
                 .width = 327,
                 .height = 371,
                 .frame = WindowFrame::ModalDialog,
                 .placement = WindowPlacement::Default,
                 .closeBox = true,
                 .resizable = true,
                 .maximizeButton = true,
                 .minimizeButton = true,
                 .menuBarVisible = true,
                 .hasBackColor = true,
                 .backColor = {255, 255, 255}};
  auto& c = w.controls;
  c.push_back(Label("LabelTitle", "Quellmoor\rSoftware for Varnholt", 33, 238, 296, 33,
                    TextAlignment::Left, true));
  // The page's address is filled in when the window is made.
  ControlSpec address = Label("StaticText2", "", 70, 272, 210, 16, TextAlignment::Left, false, 10);
  address.elideMiddle = true;
  c.push_back(address);
  c.push_back(Label("StaticText1", "Quellmoor 1.0, 2026, the Quellmoor team", 48, 350, 237, 16,
                    TextAlignment::Left, false, 10));
  c.push_back(ControlSpec{.kind = ControlKind::Canvas,
                          .name = "CanvasCover",
                          .left = 135,
                          .top = 43,
                          .width = 158,
                          .height = 204,
                          .takesFocus = false});
  c.push_back(Button("PushButtonProceed", "Proceed", 127, 305, 69, 20, true));
  c.push_back(ControlSpec{.kind = ControlKind::Timer,
                          .name = "Timer1",
                          .timerMode = TimerMode::Once,
                          .timerPeriod = 7000,
                          .className = "WindowSplash.Timer1"});
  return w;
}
}  // namespace

const WindowLayout& WindowSplashLayout() {
  static const WindowLayout layout = Make();
  return layout;
}
