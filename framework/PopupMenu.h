#pragma once

#include <string>

#include "framework/RectControl.h"

// A pop-up menu of text rows, numbered from 0.
class PopupMenu : public RectControl {
 public:
  explicit PopupMenu(const ControlSpec& desc);
  Int32 ListIndex() const;
  // An index outside the rows is ignored.
  void ListIndex(Int32 row);
  Int32 ListCount() const;
  std::string List(Int32 row) const;
  void AddRow(const std::string& text);
};
