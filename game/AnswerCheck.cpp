// The answer check: the whole of the player's answers against the whole of
// the computer's flashes, then the score, the level table and the next
// round, or the end of the game.

#include <array>
#include <string_view>

#include "app/Assets.h"
#include "game/Window1.h"

using fw::NotNil;

namespace {

// Reaching a score makes every later round one flash longer, and from 116
// on the flashes come faster.
struct Level {
  std::string_view score;
  std::shared_ptr<fw::Picture> (*digit)();
  std::int32_t flashes;
  std::int32_t period;  // 0: unchanged
};

constexpr std::array<Level, 7> kLevels{{
    {"8", three, 3, 0},
    {"20", four, 4, 0},
    {"36", five, 5, 0},
    {"86", six, 6, 0},
    {"116", seven, 7, 900},
    {"151", eight, 8, 800},
    {"191", nine, 9, 700},
}};

}  // namespace

void Window1::PushButton3_Action(fw::PushButton& /*button*/) {
  str1 += "|";
  str2 += "|";
  if (fw::StrComp(str1, str2, 1) != 0) {
    NotNil(PushButton2()).Push();
    return;
  }

  NotNil(Label2()).SetText(fw::Str(fw::Val(NotNil(Label2()).Text()) + numb2));
  PlayUnlessSilent(Ping);
  NotNil(Label4()).SetVisible(false);

  std::string score = NotNil(Label2()).Text();
  for (const Level& level : kLevels) {
    if (score != level.score) continue;
    Fillit(level.digit());
    numb2 = level.flashes;
    if (level.period != 0) NotNil(Timer1()).SetPeriod(level.period);
    break;
  }

  kk = 0;
  last = 10;
  jj = 1;
  NotNil(Timer1()).SetMode(fw::Timer::kMultiple);
}
