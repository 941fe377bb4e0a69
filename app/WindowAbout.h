#pragma once

#include "framework/Canvas.h"
#include "framework/PushButton.h"
#include "framework/StaticText.h"
#include "framework/Window.h"

// The program's cover, title, terms and page. It has no close box: "OK", "Go there" and a
// click on its background close it.
class WindowAbout : public Window {
 public:
  WindowAbout();

  Canvas& CanvasCover() const { return Get<Canvas>("CanvasCover"); }
  StaticText& LabelWebAddress() const { return Get<StaticText>("LabelWebAddress"); }
  PushButton& PushButtonClose() const { return Get<PushButton>("PushButtonClose"); }
  PushButton& PushButtonGoThere() const { return Get<PushButton>("PushButtonGoThere"); }

  void PushButtonClose_Action();
  // Closes the window first, so that it is gone even when no browser opens.
  void PushButtonGoThere_Action();
  bool Event_MouseDown(Int32 x, Int32 y) override;
  void Event_MouseUp(Int32 x, Int32 y) override;

 protected:
  void BindControls() override;
};
