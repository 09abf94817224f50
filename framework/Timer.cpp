#include "Timer.h"

#include <QTimer>

#include <algorithm>

#include "Testing.h"
#include "internal/Dispatch.h"

namespace fw {

struct Timer::Impl {
  QTimer timer;
};

Timer::Timer() : impl_(std::make_unique<Impl>()) {
  // The default coarse timer may fire 5% early or late: 50 ms on a second.
  impl_->timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&impl_->timer, &QTimer::timeout, [this] { Fire(); });
}

Timer::~Timer() = default;

const PropertyTable& Timer::Properties() const {
  using B = Bind<Timer>;
  static const PropertyTable table{
      B::Int32("Mode", &Timer::SetMode),
      B::Int32("Period", &Timer::SetPeriod),
  };
  return table;
}

void Timer::SetMode(std::int32_t mode) {
  mode_ = (mode == kSingle || mode == kMultiple) ? mode : kOff;
  if (mode_ == kOff) {
    impl_->timer.stop();
    return;
  }
  impl_->timer.setSingleShot(mode_ == kSingle);
  impl_->timer.start(std::max(period_, 1));
}

void Timer::SetPeriod(std::int32_t period) {
  period_ = period;
  // A running timer counts the new period from now.
  if (impl_->timer.isActive()) impl_->timer.start(std::max(period_, 1));
}

void Timer::Fire() {
  if (mode_ == kSingle) {
    mode_ = kOff;
    impl_->timer.stop();
  }
  internal::Dispatch([this] {
    if (Action) Action(*this);
  });
}

struct TimerAccess {
  static void Fire(Timer& timer) { timer.Fire(); }
  static bool Counting(const Timer& timer) { return timer.impl_->timer.isActive(); }
};

namespace testing {

void Tick(Timer& timer) { TimerAccess::Fire(timer); }
bool Counting(const Timer& timer) { return TimerAccess::Counting(timer); }

}  // namespace testing

}  // namespace fw
