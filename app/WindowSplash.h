#pragma once

#include "framework/Canvas.h"
#include "framework/PushButton.h"
#include "framework/StaticText.h"
#include "framework/Timer.h"
#include "framework/Window.h"

// The window that greets the user at start-up, in front of the chooser and the main window.
// It goes away after seven seconds, on "Proceed" or Return, or on a click on its background,
// and then brings the chooser to the front.
//
// Its timer is the framework's Timer: that already knows its window and its control-array
// index, so the timer class of the layout adds nothing to it.
class WindowSplash : public Window {
 public:
  WindowSplash();

  Canvas& CanvasCover() const { return Get<Canvas>("CanvasCover"); }
  StaticText& StaticText2() const { return Get<StaticText>("StaticText2"); }
  PushButton& PushButtonProceed() const { return Get<PushButton>("PushButtonProceed"); }
  ::Timer& Timer1() const { return Get<::Timer>("Timer1"); }

  void PushButtonProceed_Action();
  void Timer1_Action();
  void Event_Close() override;
  // A press on the window itself, not on a control: its release closes the window.
  bool Event_MouseDown(Int32 x, Int32 y) override;
  void Event_MouseUp(Int32 x, Int32 y) override;

 protected:
  void BindControls() override;
};
