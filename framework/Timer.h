#pragma once

#include <functional>

#include "framework/Control.h"

class QTimer;

// Mode 0 off, 1 fires once, 2 repeats; Period in milliseconds. Action runs on the event
// loop. A timer ends with its window.
class Timer : public Control {
 public:
  explicit Timer(const ControlSpec& desc);
  ~Timer() override;

  Int32 Mode() const { return mode_; }
  void Mode(Int32 mode);
  Int32 Period() const { return period_; }
  void Period(Int32 ms);

  // Runs the Action as a tick would (a mode-1 timer then turns off).
  void Fire();

  std::function<void()> onAction;

 private:
  void Restart();
  QTimer* timer_;
  Int32 mode_;
  Int32 period_;
};
