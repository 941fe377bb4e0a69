#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/EditField.h"
#include "framework/PushButton.h"
#include "framework/RadioButton.h"
#include "framework/StaticText.h"
#include "framework/Window.h"

// One control of a window's layout table.
struct ControlRow {
  const char* name;
  Int32 index;  // -1 for a control of no array
  Int32 left, top, width, height;
  const char* text;  // a label's text, a caption or an entry field's text; null: not checked
};

// The rows are the window's controls in creation order, which is the Tab order; each stands
// where its row puts it and shows its row's text.
inline void ExpectControls(const Window& window, const std::vector<ControlRow>& rows) {
  ASSERT_EQ(window.Controls().size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ControlRow& row = rows[i];
    SCOPED_TRACE(std::string(row.name) + "(" + std::to_string(row.index) + ")");
    EXPECT_EQ(window.Controls()[i]->Name(), row.name);
    EXPECT_EQ(window.Controls()[i]->Index(), row.index);
    // A control that is not drawn (a timer) has no place on the window.
    auto* shown = dynamic_cast<RectControl*>(window.Controls()[i].get());
    if (!shown) continue;
    const RectControl& control = *shown;
    EXPECT_EQ(control.Left(), row.left);
    EXPECT_EQ(control.Top(), row.top);
    EXPECT_EQ(control.Width(), row.width);
    EXPECT_EQ(control.Height(), row.height);
    if (!row.text) continue;
    if (auto* label = dynamic_cast<const StaticText*>(&control)) {
      EXPECT_EQ(label->Text(), row.text);
    } else if (auto* button = dynamic_cast<const PushButton*>(&control)) {
      EXPECT_EQ(button->Caption(), row.text);
    } else if (auto* radio = dynamic_cast<const RadioButton*>(&control)) {
      EXPECT_EQ(radio->Caption(), row.text);
    } else if (auto* field = dynamic_cast<const EditField*>(&control)) {
      EXPECT_EQ(field->Text(), row.text);
    }
  }
}
