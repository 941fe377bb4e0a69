#include "app/WindowSplash.h"

#include "app/Pictures.h"
#include "app/ProgramPage.h"
#include "app/WindowSelectScenario.h"
#include "framework/SharedWindow.h"
#include "resources/layouts/Layouts.h"

WindowSplash::WindowSplash() : Window(WindowSplashLayout()) {}

void WindowSplash::BindControls() {
  CanvasCover().Backdrop(CoverPicture());
  StaticText2().Text(ProgramPageAddress());
  On(PushButtonProceed().onAction, &WindowSplash::PushButtonProceed_Action);
  On(Timer1().onAction, &WindowSplash::Timer1_Action);
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

bool WindowSplash::Event_MouseDown(Int32 /*x*/, Int32 /*y*/) {
  return true;
}

void WindowSplash::Event_MouseUp(Int32 /*x*/, Int32 /*y*/) {
  Close();
}
