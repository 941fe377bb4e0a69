#include "framework/Control.h"

Control::Control(const ControlSpec& desc) : name_(desc.name), index_(desc.index) {}
Control::~Control() = default;
void Control::AttachToWindow(Window& window) {
  window_ = &window;
}
