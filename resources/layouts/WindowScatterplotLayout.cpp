#include "resources/layouts/LayoutParts.h"
#include "resources/layouts/Layouts.h"

namespace {
// A black tick, one pixel wide, from (left, top) to (left + width, top + height).
ControlSpec Tick(const char* name, Int32 left, Int32 top, Int32 width, Int32 height) {
  return ControlSpec{.kind = ControlKind::Line,
                     .name = name,
                     .left = left,
                     .top = top,
                     .width = width,
                     .height = height,
                     .borderColor = {0, 0, 0},
                     .borderWidth = 1};
}

WindowLayout Make() {
  WindowLayout w{.title = "Scatterplot",
                 .width = 300,
                 .height = 300,
                 .frame = WindowFrame::Floating,
                 .placement = WindowPlacement::ParentScreen};
  auto& c = w.controls;
  c.push_back(Button("PushButtonGraph", "Graph", 204, 258, 69, 20, true));
  c.push_back(ControlSpec{.kind = ControlKind::Listbox,
                          .name = "ListBoxData",
                          .left = 20,
                          .top = 26,
                          .width = 100,
                          .height = 180,
                          .rows = {"X", "Y"}});
  c.push_back(ControlSpec{.kind = ControlKind::Canvas,
                          .name = "CanvasPlot",
                          .left = 173,
                          .top = 66,
                          .width = 100,
                          .height = 100,
                          .takesFocus = false});
  // The ticks and labels mark 0 and 14 on both axes, 3 pixels in from the plot's edges.
  c.push_back(Tick("Line1", 170, 69, 2, 0));
  c.push_back(Tick("Line2", 170, 163, 2, 0));
  c.push_back(Label("StaticText1", "0", 170, 166, 12, 20, TextAlignment::Centre, false, 9));
  c.push_back(Tick("Line3", 176, 166, 0, 2));
  c.push_back(Label("StaticText2", "14", 265, 166, 12, 20, TextAlignment::Centre, false, 9));
  c.push_back(Tick("Line4", 270, 166, 0, 2));
  c.push_back(Label("StaticText3", "0", 159, 154, 12, 20, TextAlignment::Centre, false, 9));
  c.push_back(Label("StaticText4", "14", 157, 60, 12, 20, TextAlignment::Centre, false, 9));
  c.push_back(Button("PushButtonClear", "Clear", 20, 258, 100, 20));
  c.push_back(Label("StaticTextLine", "", 172, 31, 100, 20, TextAlignment::Centre, false, 10));
  c.push_back(Button("PushButtonCopy", "Copy Data", 20, 223, 100, 20));
  return w;
}
}  // namespace

const WindowLayout& WindowScatterplotLayout() {
  static const WindowLayout layout = Make();
  return layout;
}
