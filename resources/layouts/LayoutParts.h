#pragma once
// Building blocks that several windows' layouts share.

#include "framework/Layout.h"

// A label: black text in the system font.
inline ControlSpec Label(const char* name, const char* text, Int32 left, Int32 top, Int32 width,
                         Int32 height, TextAlignment alignment = TextAlignment::Left,
                         bool multiline = false, Int32 textSize = 12) {
  return ControlSpec{.kind = ControlKind::StaticText,
                     .name = name,
                     .left = left,
                     .top = top,
                     .width = width,
                     .height = height,
                     .text = text,
                     .textSize = textSize,
                     .alignment = alignment,
                     .multiline = multiline};
}

// A push button; the default button is the one Return presses.
inline ControlSpec Button(const char* name, const char* caption, Int32 left, Int32 top, Int32 width,
                          Int32 height, bool isDefault = false, Int32 textSize = 12) {
  return ControlSpec{.kind = ControlKind::PushButton,
                     .name = name,
                     .left = left,
                     .top = top,
                     .width = width,
                     .height = height,
                     .text = caption,
                     .textSize = textSize,
                     .isDefault = isDefault};
}
