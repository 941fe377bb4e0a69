#include "model/DotRange.h"
#include "resources/layouts/LayoutParts.h"
#include "resources/layouts/Layouts.h"

namespace {
WindowLayout Make() {
  WindowLayout w{.title = "Histogram",
                 .width = 300,
                 .height = 300,
                 .frame = WindowFrame::Floating,
                 .placement = WindowPlacement::ParentScreen};
  auto& c = w.controls;
  c.push_back(ControlSpec{.kind = ControlKind::Rectangle,
                          .name = "Rectangle1",
                          .left = 99,
                          .top = 62,
                          .width = 10 * (kMostDots + 1),  // the bars' frame
                          .height = 100,
                          .fillColor = {255, 255, 255},
                          .borderWidth = 0});
  // One bar for every number of dots.
  for (Int32 i = 0; i <= kMostDots; ++i) {
    c.push_back(ControlSpec{.kind = ControlKind::Rectangle,
                            .name = "RectangleBar",
                            .index = i,
                            .left = 99 + 10 * i,
                            .top = 62,
                            .width = 10,
                            .height = 100,
                            .visible = false,
                            .fillColor = {255, 102, 102},
                            .borderWidth = 0,
                            .className = "RectangleBar"});
  }
  c.push_back(Label("StaticText1", "Population:", 40, 223, 88, 20, TextAlignment::Right));
  c.push_back(ControlSpec{.kind = ControlKind::PopupMenu,
                          .name = "PopupMenuPond",
                          .left = 137,
                          .top = 223,
                          .width = 120,
                          .height = 20,
                          .rows = {"Left field", "Right field", "A", "B", "C", "D", "E"},
                          .listIndex = 0});
  c.push_back(
      Label("StaticText2", "Average number of dots:", 46, 22, 170, 20, TextAlignment::Right));
  c.push_back(ControlSpec{.kind = ControlKind::PushButton,
                          .name = "PushButtonSample",
                          .left = 188,
                          .top = 256,
                          .width = 69,
                          .height = 20,
                          .text = "Graph",
                          .isDefault = true});
  c.push_back(Label("StaticText3", "0", 92, 164, 20, 20, TextAlignment::Centre));
  c.push_back(Label("StaticText4", "7", 164, 164, 20, 20, TextAlignment::Centre));
  c.push_back(Label("StaticText5", "14", 234, 164, 20, 20, TextAlignment::Centre));
  c.push_back(Label("StaticTextAvg", "", 222, 22, 40, 20, TextAlignment::Left));
  c.push_back(Label("StaticText6", "0", 71, 152, 20, 20, TextAlignment::Right));
  c.push_back(Label("StaticTextBarHt", "0", 71, 53, 20, 20, TextAlignment::Right));
  c.push_back(Label("StaticText7", "Number\rof bugs", 21, 90, 60, 40, TextAlignment::Right, true));
  c.push_back(Label("StaticText8", "Number of dots", 126, 184, 100, 20, TextAlignment::Left));
  return w;
}
}  // namespace

const WindowLayout& WindowSampleLayout() {
  static const WindowLayout layout = Make();
  return layout;
}
