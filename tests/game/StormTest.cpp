// A seeded storm of real events on the whole window, the invariants checked at every step.

#include <functional>
#include <random>

#include "tests/game/Player.h"

using Storm = Player;

TEST_F(Storm, ThousandsOfRandomEventsKeepTheGameWhole) {
  std::mt19937 random(kSeed);
  auto pick = [&](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
  fw::ImageWell& practice = fw::NotNil(w().ImageWell2());
  fw::PushButton* sounds[] = {w().PushButton4(), w().PushButton5(), w().PushButton6()};
  const Window1& g = w();
  const std::function<void()> actions[] = {
      [&] { Wheel(Square(pick(0, 8)), pick(-2, 2), pick(-2, 2)); },
      [&] { Click(pick(0, 8)); },
      [&] { Leave(Square(pick(0, 8))); },
      [&] { Visible(kStart) ? Start() : void(); },
      [&] { End(); },
      [&] { fw::testing::Counting(*w().Timer1()) ? FlashTick() : void(); },
      [&] { fw::testing::Counting(*w().Timer2()) ? ClearTick() : void(); },
      [&] { YourTurn() ? Answer(g.str1.substr(g.str1.rfind('|') + 1)) : void(); },
      [&] { Wheel(practice, pick(-1, 1), pick(-1, 1)); },
      [&] { pick(0, 1) ? Click(&practice) : Leave(practice); },
      [&] { Click(sounds[pick(0, 2)]); }};
  std::discrete_distribution<std::size_t> next({10, 5, 5, 5, 1, 20, 5, 10, 5, 5, 5});  // as above
  int flashes = 0, rights = 0, gameOvers = 0;
  for (int step = 0; step < 5000; ++step) {
    const std::string str1 = g.str1, score = Score();
    const bool over = Visible(kFinalScore);
    actions[next(random)]();
    const bool flashed = g.str1.size() == str1.size() + 2;  // its square alone lit
    ASSERT_TRUE(!flashed || Board() == g.str1.substr(str1.size())) << step << ": " << Board();
    flashes += flashed;
    rights += fw::Val(Score()) > fw::Val(score);
    gameOvers += Visible(kFinalScore) && !over;
    ASSERT_TRUE(unhandled.empty() && g.kk <= g.numb2 && 1 <= g.jj && g.jj <= g.numb2 + 1 &&
                ((0 <= g.last && g.last <= 8) || g.last == 10) &&
                (g.str1 + g.str2).find_first_not_of("012345678rgby|") == std::string::npos)
        << "step " << step << ": " << g.str1 << " / " << g.str2;
  }
  std::printf("%d flashes, %d right answers, %d game overs\n", flashes, rights, gameOvers);
  EXPECT_TRUE(flashes > 150 && rights > 20 && gameOvers > 50);
}
