// Measures the flash timer as the game runs it: the game window is built as
// the program builds it, START is pushed, and the interval between
// consecutive flash ticks is recorded at 1000 ms and at 700 ms.
//
//   flash_timing [ticks per period]   (default 100)

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

#include "app/Startup.h"
#include "framework/Framework.h"
#include "framework/Testing.h"
#include "game/Window1.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Errors {
  double median;
  double worst;
};

Errors Measure(Window1& window, std::int32_t period, std::size_t ticks) {
  fw::Timer& timer = fw::NotNil(window.Timer1());
  auto play = timer.Action;
  std::vector<Clock::time_point> stamps;
  timer.Action = [&](fw::Timer& fired) {
    stamps.push_back(Clock::now());
    play(fired);
    if (stamps.size() > ticks) fw::QuitMenuAction();
  };
  // One endless round: every tick flashes.
  window.numb2 = std::numeric_limits<std::int32_t>::max();
  timer.SetPeriod(period);
  fw::NotNil(window.PushButton1()).Push();
  fw::RuntimeRun();
  timer.Action = play;
  fw::NotNil(window.PushButton2()).Push();

  std::vector<double> errors;
  for (std::size_t at = 1; at < stamps.size(); ++at) {
    double interval =
        std::chrono::duration<double, std::milli>(stamps[at] - stamps[at - 1]).count();
    errors.push_back(std::fabs(interval - period));
  }
  std::sort(errors.begin(), errors.end());
  return {errors[errors.size() / 2], errors.back()};
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t ticks = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
  fw::RuntimeInit(argc, argv);
  fw::RuntimeSetExceptionHelper(CallFunctionWithExceptionHandling);
  Startup();
  Window1& window = Window1::Instance();
  fw::NotNil(window.RadioButton2()).SetValue(true);  // silent
  for (std::int32_t period : {1000, 700}) {
    Errors errors = Measure(window, period, ticks);
    fw::testing::ResetRun();
    std::printf("flash period %d ms over %zu ticks: median error %.3f ms, worst %.3f ms\n", period,
                ticks, errors.median, errors.worst);
  }
  Finalize();
  return fw::RuntimeExit();
}
