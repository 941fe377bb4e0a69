#include <array>

#include "resources/layouts/LayoutParts.h"
#include "resources/layouts/Layouts.h"

namespace {
struct FieldPlace {
  Int32 left, top, width, height;  // the field
  Int32 countLeft, countTop;       // its count label
  Int32 clearLeft, clearTop;       // its "Clear" button
};

// Left field, Right field, pools A to E.
constexpr std::array<FieldPlace, 7> kFields{{
    {16, 31, 256, 184, 278, 195, 278, 31},
    {386, 31, 256, 184, 648, 195, 648, 31},
    {16, 263, 117, 95, 139, 332, 39, 368},
    {175, 263, 117, 95, 298, 332, 198, 368},
    {334, 263, 117, 95, 457, 332, 357, 368},
    {493, 263, 117, 95, 616, 332, 516, 368},
    {653, 263, 117, 95, 776, 332, 676, 368},
}};

// Pool-name fields over pools A to E (indices 0 to 4).
constexpr std::array<std::array<Int32, 2>, 5> kPoolLabels{
    {{33, 241}, {192, 241}, {351, 241}, {510, 241}, {670, 241}}};

ControlSpec Field(Int32 i) {
  const FieldPlace& f = kFields[static_cast<std::size_t>(i)];
  return ControlSpec{.kind = ControlKind::SpriteSurface,
                     .name = "popSurfaces",
                     .index = i,
                     .left = f.left,
                     .top = f.top,
                     .width = f.width,
                     .height = f.height,
                     .className = "WindowMain.popSurfaces"};
}

ControlSpec Count(Int32 i) {
  const FieldPlace& f = kFields[static_cast<std::size_t>(i)];
  return ControlSpec{.kind = ControlKind::StaticText,
                     .name = "StaticTextPopSize",
                     .index = i,
                     .left = f.countLeft,
                     .top = f.countTop,
                     .width = 35,
                     .height = 20,
                     .text = "0"};
}

ControlSpec Clear(Int32 i) {
  const FieldPlace& f = kFields[static_cast<std::size_t>(i)];
  return ControlSpec{.kind = ControlKind::PushButton,
                     .name = "PushButtonClear",
                     .index = i,
                     .left = f.clearLeft,
                     .top = f.clearTop,
                     .width = 69,
                     .height = 20,
                     .text = "Clear"};
}

ControlSpec PoolName(Int32 i) {
  const auto& p = kPoolLabels[static_cast<std::size_t>(i)];
  return ControlSpec{.kind = ControlKind::EditField,
                     .name = "EditFieldPoolLabel",
                     .index = i,
                     .left = p[0],
                     .top = p[1],
                     .width = 100,
                     .height = 16,
                     .border = false};
}

WindowLayout Make() {
  WindowLayout w{.title = "Quellmoor",
                 .width = 810,
                 .height = 480,
                 .frame = WindowFrame::Document,
                 .placement = WindowPlacement::MainScreen,
                 .closeBox = true,
                 .resizable = false,
                 .maximizeButton = false,
                 .minimizeButton = false,
                 .menuBarVisible = true};
  auto& c = w.controls;
  for (Int32 i = 0; i <= 3; ++i) c.push_back(PoolName(i));
  c.push_back(Field(0));
  c.push_back(ControlSpec{.kind = ControlKind::PushButton,
                          .name = "PushButtonRun",
                          .left = 648,
                          .top = 438,
                          .width = 69,
                          .height = 20,
                          .text = "Run"});
  c.push_back(ControlSpec{.kind = ControlKind::Timer,
                          .name = "TimerMain",
                          .timerMode = TimerMode::Off,
                          .timerPeriod = 100,
                          .className = "WindowMain.TimerMain"});
  c.push_back(Field(2));
  c.push_back(Count(0));
  c.push_back(Count(2));
  for (Int32 i = 3; i <= 5; ++i) {
    c.push_back(Field(i));
    c.push_back(Count(i));
  }
  for (Int32 i : {0, 2, 3, 4, 5}) c.push_back(Clear(i));
  c.push_back(Field(6));
  c.push_back(Count(6));
  c.push_back(Clear(6));
  c.push_back(Label("StaticTextNumClicks", "0", 588, 438, 45, 22));
  c.push_back(Label("StaticText1", "Left field", 16, 12, 100, 20));
  c.push_back(Label("StaticText3", "Day:", 540, 438, 39, 22, TextAlignment::Right));
  c.push_back(PoolName(4));
  c.push_back(Field(1));
  c.push_back(Count(1));
  c.push_back(Clear(1));
  c.push_back(Label("StaticText2", "Right field", 386, 12, 100, 20));
  c.push_back(Label("StaticText4", "A", 16, 239, 13, 20));
  c.push_back(Label("StaticText5", "B", 175, 239, 13, 20));
  c.push_back(Label("StaticText6", "C", 334, 239, 13, 20));
  c.push_back(Label("StaticText7", "D", 493, 239, 13, 20));
  c.push_back(Label("StaticText8", "E", 653, 239, 13, 20));
  // The pop-ups that follow a dragged bug: made last, so they lie above the fields.
  c.push_back(ControlSpec{.kind = ControlKind::Canvas,
                          .name = "spritePopUp1",
                          .left = 746,
                          .top = 115,
                          .width = 12,
                          .height = 12,
                          .visible = false,
                          .takesFocus = false,
                          .className = "spritePopUp"});
  c.push_back(ControlSpec{.kind = ControlKind::Canvas,
                          .name = "spriteDataPopUp1",
                          .left = 671,
                          .top = 128,
                          .width = 100,
                          .height = 80,
                          .visible = false,
                          .takesFocus = false,
                          .className = "spriteDataPopUp"});
  return w;
}
}  // namespace

const WindowLayout& WindowMainLayout() {
  static const WindowLayout layout = Make();
  return layout;
}
