#include <benchmark/benchmark.h>

#include <cstdlib>

#include "framework/Runtime.h"

// The one main of every benchmark program: the toolkit starts without a display, then
// Google Benchmark runs what the program registered.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  Runtime::Init(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
