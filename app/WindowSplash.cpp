#include "app/WindowSplash.h"

#include "app/Pictures.h"
#include "app/ProgramPage.h"
#include "app/WindowSelectScenario.h"
#include "framework/SharedWindow.h"
#include "resources/layouts/Layouts.h"

WindowSplash::WindowSplash() : Window(WindowSplashLayout()) {}

void WindowSplash::BindControl(Control& control) {
  const std::string& name = control.Name();
  if (name == "CanvasCover") {
    static_cast<Canvas&>(control).Backdrop(CoverPicture());
  } else if (name == "StaticText2") {
    static_cast<StaticText&>(control).Text(ProgramPageAddress());
  } else if (name == "PushButtonProceed") {
    static_cast<PushButton&>(control).onAction = [this] { PushButtonProceed_Action(); };
  } else if (name == "Timer1") {
    static_cast<::Timer&>(control).onAction = [this] { Timer1_Action(); };
  }
}

void WindowSplash::PushButtonProceed_Action() {
  Close();
}

void WindowSplash::Timer1_Action() {
  Close();
}

void WindowSplash::Event_Close() {
  SharedWindow<WindowSelectScenario>().Show();
}

bool WindowSplash::Event_MouseDown(Int32 x, Int32 y) {
  (void)x;
  (void)y;
  return true;
}

void WindowSplash::Event_MouseUp(Int32 x, Int32 y) {
  (void)x;
  (void)y;
  Close();
}
