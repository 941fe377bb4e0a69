#include "tests/support/WindowFixture.h"

#include "framework/Runtime.h"
#include "framework/Window.h"

void WindowFixture::TearDown() {
  for (Window* window : OpenWindows()) window->Close();
  Runtime::ProcessEvents();
}
