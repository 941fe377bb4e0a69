#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/RectControl.h"

// A table with a heading row and editable cells. Rows and columns count from 0.
class Listbox : public RectControl {
 public:
  explicit Listbox(const ControlSpec& desc);
  ~Listbox() override;

  Int32 ListCount() const;
  Int32 ColumnCount() const;
  std::string Heading(Int32 column) const;
  // Appends a row whose first cell holds the text and whose other cells are empty.
  void AddRow(const std::string& text);
  void DeleteAllRows();
  // The text of a cell, including what is being typed into it; empty outside the table.
  std::string Cell(Int32 row, Int32 column) const;
  void Cell(Int32 row, Int32 column, const std::string& text);
  // Starts editing the cell, ending any edit in progress; ignored outside the table.
  void EditCell(Int32 row, Int32 column);
  // The cell being edited, or -1, -1.
  Int32 EditRow() const;
  Int32 EditColumn() const;

  // A click on a cell, with the point pressed relative to the cell's top-left corner. It is
  // raised once the table has handled the click itself (current cell, selection), so its
  // result changes nothing.
  std::function<bool(Int32 row, Int32 column, Int32 x, Int32 y)> onCellClick;
  // Each key typed while a cell is edited, as its text ("\t" for Tab, also with Shift,
  // "\r" for Return). True: the key is dealt with; it neither enters the cell, nor leaves
  // the table, nor presses the default button.
  std::function<bool(Int32 row, Int32 column, const std::string& key)> onCellKeyDown;

  // The toolkit's side, framework-internal (Listbox_p.h).
  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};
