#include "framework/RectControl.h"

#include <QWidget>

#include "framework/Window.h"

RectControl::RectControl(const ControlSpec& desc, QWidget* widget)
    : Control(desc),
      widget_(widget),
      left_(desc.left),
      top_(desc.top),
      width_(desc.width),
      height_(desc.height),
      visible_(desc.visible),
      enabled_(desc.enabled) {
  widget_->setObjectName(QString::fromStdString(desc.name));
  widget_->setEnabled(enabled_);
  if (!desc.takesFocus) widget_->setFocusPolicy(Qt::NoFocus);
  PlaceWidget();
}

RectControl::~RectControl() {
  delete widget_;
}

void RectControl::PlaceWidget() {
  widget_->setGeometry(left_, top_, width_, height_);
}

void RectControl::Left(Int32 v) {
  left_ = v;
  PlaceWidget();
}
void RectControl::Top(Int32 v) {
  top_ = v;
  PlaceWidget();
}
void RectControl::Width(Int32 v) {
  width_ = v < 0 ? 0 : v;
  PlaceWidget();
}
void RectControl::Height(Int32 v) {
  height_ = v < 0 ? 0 : v;
  PlaceWidget();
}

void RectControl::Visible(bool v) {
  visible_ = v;
  // A control of no window keeps its widget hidden, so that it never appears on its own.
  if (widget_->parentWidget()) widget_->setVisible(v);
}

void RectControl::Enabled(bool v) {
  enabled_ = v;
  widget_->setEnabled(v);
}

void RectControl::AttachToWindow(Window& window) {
  Control::AttachToWindow(window);
  widget_->setParent(window.Content());
  PlaceWidget();
  widget_->setVisible(visible_);
}
