#pragma once
// A timer raises Action on the user-interface thread once, Period milliseconds after its RunMode
// is set to 1; RunMode 0 stops it. It stops for good when its window is closed.

#include <cstdint>
#include <memory>

#include "1-framework/control.h"
#include "1-framework/delegate.h"

namespace fw {

class Timer : public Control {
 public:
  Timer();
  ~Timer() override;

  void SetPeriod(std::int64_t milliseconds);
  std::int64_t Period() const { return period_; }
  void SetRunMode(std::int64_t mode);
  std::int64_t RunMode() const { return runMode_; }

  // What the timer does when its period is over.
  void Fire();

  ControlEvent<void(Timer&)> Action;

  void WindowClosed() override;
  void SetProperty(const Property& property) override;

 private:
  void Restart();

  struct Clock;
  std::unique_ptr<Clock> clock_;
  std::int64_t period_ = 1000, runMode_ = 0;
};

}  // namespace fw
