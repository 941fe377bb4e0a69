#pragma once

#include <functional>

#include "framework/Control.h"

class QTimer;

// Off, fires once, or repeats, every Period milliseconds. Action runs on the event loop. A
// timer ends with its window.
class Timer : public Control {
 public:
  explicit Timer(const ControlSpec& desc);
  ~Timer() override;

  TimerMode Mode() const { return mode_; }
  // A value that is none of the three modes turns the timer off.
  void Mode(TimerMode mode);
  Int32 Period() const { return period_; }
  void Period(Int32 ms);

  // Runs the Action as a tick would (a timer that fires once then turns off).
  void Fire();

  std::function<void()> onAction;

 private:
  void Restart();
  QTimer* timer_;
  TimerMode mode_;
  Int32 period_;
};
