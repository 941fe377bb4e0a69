#include "resources/layouts/Layouts.h"

const WindowLayout& WindowSelectScenarioLayout() {
  static const WindowLayout layout{
      .title = "Select scenario",
      .width = 340,
      .height = 152,
      .frame = WindowFrame::ModalDialog,
      .placement = WindowPlacement::Default,
      .controls = {
          ControlSpec{.kind = ControlKind::StaticText,
                      .name = "StaticText1",
                      .left = 9,
                      .top = 34,
                      .width = 118,
                      .height = 20,
                      .text = "Select a scenario:",
                      .alignment = TextAlignment::Right},
          ControlSpec{.kind = ControlKind::PushButton,
                      .name = "PushButtonOkay",
                      .left = 213,
                      .top = 97,
                      .width = 69,
                      .height = 20,
                      .text = "Okay",
                      .isDefault = true},
          ControlSpec{.kind = ControlKind::PopupMenu,
                      .name = "PopupMenuScenario",
                      .left = 139,
                      .top = 34,
                      .width = 170,
                      .height = 20,
                      .rows = {"Heritability = 0.9", "Heritability = 0.5", "Heritability = 0.1",
                               "Heritability unknown"},
                      .listIndex = 0},
      }};
  return layout;
}
