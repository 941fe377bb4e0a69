#include "framework/Timer.h"

#include <QTimer>

#include "framework/Runtime.h"

Timer::Timer(const ControlSpec& desc)
    : Control(desc), timer_(new QTimer), mode_(TimerMode::Off), period_(desc.timerPeriod) {
  QObject::connect(timer_, &QTimer::timeout, [this] { Runtime::Dispatch([this] { Fire(); }); });
  Mode(desc.timerMode);
}

Timer::~Timer() {
  delete timer_;
}

void Timer::Mode(TimerMode mode) {
  mode_ = (mode == TimerMode::Once || mode == TimerMode::Repeating) ? mode : TimerMode::Off;
  Restart();
}

void Timer::Period(Int32 ms) {
  period_ = ms < 0 ? 0 : ms;
  Restart();
}

void Timer::Restart() {
  timer_->stop();
  if (mode_ == TimerMode::Off) return;
  timer_->setSingleShot(mode_ == TimerMode::Once);
  timer_->start(period_);
}

void Timer::Fire() {
  if (mode_ == TimerMode::Once) {
    mode_ = TimerMode::Off;
    timer_->stop();
  }
  if (onAction) onAction();
}
