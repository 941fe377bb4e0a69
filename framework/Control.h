#pragma once

#include <functional>
#include <string>

#include "framework/Layout.h"
#include "framework/Types.h"

class Window;

// Any control of a window: found by its name and control-array index.
class Control {
 public:
  explicit Control(const ControlSpec& desc);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  Int32 Index() const { return index_; }
  // The window that holds the control; null for a control built on its own (tests).
  Window* OwnerWindow() const { return window_; }

  // The Open event: raised once, after every control of the window exists.
  std::function<void()> onOpen;

  // Framework use: the window adopts the control.
  virtual void AttachToWindow(Window& window);

 private:
  std::string name_;
  Int32 index_;
  Window* window_ = nullptr;
};
