#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/Runtime.h"

int main(int argc, char** argv) {
  // The suites never need a display.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  Runtime::Init(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
