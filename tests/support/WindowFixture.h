#pragma once

#include <gtest/gtest.h>

// A fixture that leaves no window behind: what a test left open is closed, and closed windows
// are released, before the next test starts.
class WindowFixture : public ::testing::Test {
 protected:
  void TearDown() override;
};
