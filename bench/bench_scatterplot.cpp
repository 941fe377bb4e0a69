// "Graph" in the scatterplot window over a table of parent and offspring dot counts: the
// pass over the table, the fit and the picture. Targets: 1,000 rows at most 2 ms; from there
// to 100,000 rows the time grows no faster than the number of rows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "framework/Functions.h"
#include "framework/SharedWindow.h"
#include "model/DotRange.h"
#include "tools/WindowScatterplot.h"

namespace {
// A table of that many rows: mid-parent values in halves over the dot range, offspring near
// them.
WindowScatterplot& TableOf(Int32 rows) {
  WindowScatterplot& w = SharedWindow<WindowScatterplot>();
  Listbox& list = w.ListBoxData();
  list.DeleteAllRows();
  std::uint32_t state = 12345;
  auto next = [&state](std::uint32_t range) {
    state = state * 1664525u + 1013904223u;
    return static_cast<Int32>((state >> 8) % range);
  };
  for (Int32 r = 0; r < rows; ++r) {
    const Int32 parent = next(2 * kMostDots + 1);
    list.AddRow(Str(parent / 2.0));
    list.Cell(r, 1, Str(std::min<Int32>(kMostDots, std::max<Int32>(0, parent / 2 + next(5) - 2))));
  }
  return w;
}

void BM_Graph(benchmark::State& state) {
  WindowScatterplot& w = TableOf(static_cast<Int32>(state.range(0)));
  for (auto _ : state) w.PushButtonGraph_Action();
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Graph)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
}  // namespace
