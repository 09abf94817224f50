#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "Object.h"

namespace fw {

// Calls its Action handler after Period milliseconds: Mode 0 off, 1 once
// (the timer then turns itself off), 2 repeatedly. Setting Mode 1 or 2
// starts the period afresh; Period keeps its value until it is set. Timers
// are precise to the millisecond. A timer belongs to a window but is no
// control: it has no widget and no index.
class Timer : public Object {
 public:
  enum Modes : std::int32_t { kOff = 0, kSingle = 1, kMultiple = 2 };

  Timer();
  ~Timer() override;

  [[nodiscard]] const PropertyTable& Properties() const override;

  [[nodiscard]] std::int32_t Mode() const { return mode_; }
  void SetMode(std::int32_t mode);
  [[nodiscard]] std::int32_t Period() const { return period_; }
  void SetPeriod(std::int32_t period);

  std::function<void(Timer&)> Action;

 private:
  friend struct TimerAccess;
  void Fire();

  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::int32_t mode_ = kOff;
  std::int32_t period_ = 1000;
};

}  // namespace fw
