#include "framework/Timer.h"

#include <QTimer>

#include "framework/Runtime.h"

Timer::Timer(const ControlSpec& desc)
    : Control(desc), timer_(new QTimer), mode_(0), period_(desc.timerPeriod) {
  QObject::connect(timer_, &QTimer::timeout, [this] { Runtime::Dispatch([this] { Fire(); }); });
  Mode(desc.timerMode);
}

Timer::~Timer() {
  delete timer_;
}

void Timer::Mode(Int32 mode) {
  mode_ = (mode == 1 || mode == 2) ? mode : 0;
  Restart();
}

void Timer::Period(Int32 ms) {
  period_ = ms < 0 ? 0 : ms;
  Restart();
}

void Timer::Restart() {
  timer_->stop();
  if (mode_ == 0) return;
  timer_->setSingleShot(mode_ == 1);
  timer_->start(period_);
}

void Timer::Fire() {
  if (mode_ == 1) {
    mode_ = 0;
    timer_->stop();
  }
  if (onAction) onAction();
}
