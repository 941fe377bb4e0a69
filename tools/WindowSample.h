#pragma once

#include "framework/PopupMenu.h"
#include "framework/Rectangle.h"
#include "framework/StaticText.h"
#include "framework/Window.h"

// The histogram: on "Graph", the adults of the chosen field counted by their dots, fifteen
// bars scaled so that the tallest is 100 pixels, the largest count and the mean.
class WindowSample : public Window {
 public:
  WindowSample();

  Rectangle& RectangleBar(Int32 dots) const { return Get<Rectangle>("RectangleBar", dots); }
  PopupMenu& PopupMenuPond() const { return Get<PopupMenu>("PopupMenuPond"); }
  StaticText& StaticTextAvg() const { return Get<StaticText>("StaticTextAvg"); }
  StaticText& StaticTextBarHt() const { return Get<StaticText>("StaticTextBarHt"); }

  void PushButtonSample_Action();
  void Event_Close() override;
  void Event_Open() override;

 protected:
  void BindControls() override;
};
