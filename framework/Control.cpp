#include "framework/Control.h"

Control::Control(const ControlSpec& spec) : name_(spec.name), index_(spec.index) {}
Control::~Control() = default;
void Control::AttachToWindow(Window& window) {
  window_ = &window;
}
