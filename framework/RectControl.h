#pragma once

#include "framework/Control.h"

class QWidget;

// A control with a place on its window: geometry in window coordinates, visibility, enabling.
class RectControl : public Control {
 public:
  // Takes ownership of the widget, which shows the control.
  RectControl(const ControlSpec& desc, QWidget* widget);
  ~RectControl() override;

  Int32 Left() const { return left_; }
  void Left(Int32 v);
  Int32 Top() const { return top_; }
  void Top(Int32 v);
  Int32 Width() const { return width_; }
  void Width(Int32 v);
  Int32 Height() const { return height_; }
  void Height(Int32 v);
  bool Visible() const { return visible_; }
  void Visible(bool v);
  bool Enabled() const { return enabled_; }
  void Enabled(bool v);

  QWidget* Widget() const { return widget_; }
  void AttachToWindow(Window& window) override;

 protected:
  // Lets a control whose drawn extent differs from its geometry (a Line) place its widget.
  virtual void PlaceWidget();

 private:
  QWidget* widget_;
  Int32 left_, top_, width_, height_;
  bool visible_, enabled_;
};
