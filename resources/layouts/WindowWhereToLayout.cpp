#include "resources/layouts/LayoutParts.h"
#include "resources/layouts/Layouts.h"

namespace {
// A radio button of the destination array; its index is the destination.
ControlSpec Destination(Int32 index, const char* caption, Int32 top, bool on) {
  return ControlSpec{.kind = ControlKind::RadioButton,
                     .name = "RadioButtonDestination",
                     .index = index,
                     .left = 212,
                     .top = top,
                     .width = 104,
                     .height = 20,
                     .text = caption,
                     .value = on,
                     .className = "RadioButtonDestination"};
}

WindowLayout Make() {
  WindowLayout w{.title = "",
                 .width = 356,
                 .height = 147,
                 .frame = WindowFrame::ModalDialog,
                 .placement = WindowPlacement::Default,
                 .closeBox = true,
                 .resizable = true,
                 .maximizeButton = true,
                 .minimizeButton = true,
                 .menuBarVisible = true};
  auto& c = w.controls;
  c.push_back(Label("StaticText1", "Where should the bugs go?", 25, 26, 180, 27));
  c.push_back(Destination(2, "Dump them", 14, true));
  c.push_back(Destination(0, "Left field", 36, false));
  c.push_back(Destination(1, "Right field", 59, false));
  c.push_back(Button("PushButtonOkay", "Okay", 253, 101, 69, 20, true));
  c.push_back(Button("PushButtonCancel", "Cancel", 164, 101, 69, 20));
  return w;
}
}  // namespace

const WindowLayout& WindowWhereToLayout() {
  static const WindowLayout layout = Make();
  return layout;
}
