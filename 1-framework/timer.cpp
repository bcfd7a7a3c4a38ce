#include "1-framework/timer.h"

#include <QTimer>

#include "1-framework/dispatch.h"

namespace fw {

struct Timer::Clock {
  QTimer timer;
};

Timer::Timer() : clock_(std::make_unique<Clock>()) {
  clock_->timer.setSingleShot(true);
  // A coarse timer may fire up to 5% early: the About window would give way before four seconds.
  clock_->timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&clock_->timer, &QTimer::timeout, [this] {
    auto self = std::static_pointer_cast<Timer>(shared_from_this());
    Dispatch([&] { self->Fire(); });
  });
}

Timer::~Timer() = default;

void Timer::SetPeriod(std::int64_t milliseconds) {
  period_ = milliseconds;
  Restart();
}

void Timer::SetRunMode(std::int64_t mode) {
  runMode_ = mode;
  Restart();
}

void Timer::Restart() {
  clock_->timer.stop();
  if (runMode_ == 0) return;
  clock_->timer.start(static_cast<int>(std::clamp<std::int64_t>(period_, 0, INT32_MAX)));
}

void Timer::Fire() {
  runMode_ = 0;
  clock_->timer.stop();
  if (Action.IsAttached()) Action.Raise(*this);
}

void Timer::WindowClosed() {
  runMode_ = 0;
  clock_->timer.stop();
}

void Timer::SetProperty(const Property& p) {
  using T = PropertyTable<Timer>;
  static const T table = {
      {"Period", T::Calls<std::int64_t>(&Timer::SetPeriod)},
      {"RunMode", T::Calls<std::int64_t>(&Timer::SetRunMode)},
  };
  if (!table.Apply(*this, p)) Control::SetProperty(p);
}

}  // namespace fw
