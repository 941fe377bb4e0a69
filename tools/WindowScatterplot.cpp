#include "tools/WindowScatterplot.h"

#include "framework/Clipboard.h"
#include "framework/Functions.h"
#include "framework/PushButton.h"
#include "model/Globals.h"
#include "resources/layouts/Layouts.h"
#include "tools/ScatterPlotPicture.h"
#include "tools/ToolWindowPlace.h"

WindowScatterplot::WindowScatterplot() : Window(WindowScatterplotLayout()) {}

void WindowScatterplot::BindControls() {
  On(Get<PushButton>("PushButtonGraph").onAction, &WindowScatterplot::PushButtonGraph_Action);
  On(Get<PushButton>("PushButtonClear").onAction, &WindowScatterplot::PushButtonClear_Action);
  On(Get<PushButton>("PushButtonCopy").onAction, &WindowScatterplot::PushButtonCopy_Action);
  On(CanvasPlot().onOpen, &WindowScatterplot::CanvasPlot_Open);
  Listbox& list = ListBoxData();
  On(list.onOpen, &WindowScatterplot::ListBoxData_Open);
  On(list.onCellKeyDown, &WindowScatterplot::ListBoxData_CellKeyDown);
  On(list.onCellClick, &WindowScatterplot::ListBoxData_CellClick);
}

bool WindowScatterplot::ListBoxData_CellKeyDown(Int32 row, Int32 column, const std::string& key) {
  if (key != Chr(9) && key != Chr(13)) return false;
  Listbox& list = ListBoxData();
  if (column == 0) {
    list.EditCell(row, 1);
  } else {
    if (row == list.ListCount() - 1) list.AddRow("");
    list.EditCell(row + 1, 0);
  }
  return true;
}

bool WindowScatterplot::ListBoxData_CellClick(Int32 row, Int32 column, Int32 /*x*/, Int32 /*y*/) {
  ListBoxData().EditCell(row, column);
  return false;
}

void WindowScatterplot::ListBoxData_Open() {
  ListBoxData().AddRow("");
}

void WindowScatterplot::CanvasPlot_Open() {
  CanvasPlot().Backdrop(BlankPlotPicture(CanvasPlot().Width(), CanvasPlot().Height()));
}

void WindowScatterplot::PushButtonClear_Action() {
  StaticTextLine().Text("");
  ListBoxData().DeleteAllRows();
  ListBoxData().AddRow("");
  CanvasPlot_Open();
}

void WindowScatterplot::PushButtonCopy_Action() {
  const Listbox& list = ListBoxData();
  std::string text;
  for (Int32 row = 0; row <= list.ListCount() - 1; ++row)
    text += list.Cell(row, 0) + Chr(9) + list.Cell(row, 1) + Chr(13);
  Clipboard clipboard;
  clipboard.Text = text;
  clipboard.Close();
}

std::vector<ScatterPoint> WindowScatterplot::ValidPairs() const {
  const Listbox& list = ListBoxData();
  const Int32 last = list.ListCount() - 1;
  std::vector<ScatterPoint> pairs;
  for (Int32 row = 0; row <= last; ++row) {
    const std::string x = list.Cell(row, 0);
    if (x == "") continue;
    const std::string y = list.Cell(row, 1);
    if (y == "") continue;
    pairs.push_back({Val(x), Val(y)});
  }
  return pairs;
}

void WindowScatterplot::PushButtonGraph_Action() {
  const std::vector<ScatterPoint> pairs = ValidPairs();
  const LineFit fit = FitLine(pairs);
  StaticTextLine().Text(EquationText(fit));
  CanvasPlot().Backdrop(
      ScatterPlotPicture(CanvasPlot().Width(), CanvasPlot().Height(), fit, pairs));
}

void WindowScatterplot::Event_Open() {
  RestorePlace(*this, ScatterPlace());
}

void WindowScatterplot::Event_Close() {
  RememberPlace(*this, ScatterPlace());
}
