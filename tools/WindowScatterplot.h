#pragma once

#include <string>
#include <vector>

#include "framework/Canvas.h"
#include "framework/Listbox.h"
#include "framework/StaticText.h"
#include "framework/Window.h"
#include "tools/LineFit.h"

// The scatterplot: pairs typed into a two-column table, graphed on "Graph" with their
// least-squares line and its equation, copied to the clipboard as text on "Copy Data". The
// table is the only store of the values; the equation and the plot are derived from it.
class WindowScatterplot : public Window {
 public:
  WindowScatterplot();

  Listbox& ListBoxData() const { return Get<Listbox>("ListBoxData"); }
  Canvas& CanvasPlot() const { return Get<Canvas>("CanvasPlot"); }
  StaticText& StaticTextLine() const { return Get<StaticText>("StaticTextLine"); }

  void PushButtonGraph_Action();
  bool ListBoxData_CellKeyDown(Int32 row, Int32 column, const std::string& key);
  bool ListBoxData_CellClick(Int32 row, Int32 column, Int32 x, Int32 y);
  void ListBoxData_Open();
  void CanvasPlot_Open();
  void PushButtonClear_Action();
  void PushButtonCopy_Action();
  void Event_Close() override;
  void Event_Open() override;

  // The valid rows' values in row order: rows whose X and Y cells both hold some text, each
  // cell counted with its Val.
  std::vector<ScatterPoint> ValidPairs() const;

 protected:
  void BindControls() override;
};
