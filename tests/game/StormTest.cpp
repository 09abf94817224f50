// A seeded storm of real events on the whole window, the game's invariants
// checked after every step. QUORVELLE_GAME_SEED repeats a storm.

#include <functional>
#include <random>

#include "tests/game/Player.h"

using Storm = Player;

TEST_F(Storm, ThousandsOfRandomEventsKeepTheGameWhole) {
  std::mt19937 random(Seed());
  auto pick = [&](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
  fw::ImageWell& practice = fw::NotNil(w().ImageWell2());
  fw::PushButton* sounds[] = {w().PushButton4(), w().PushButton5(), w().PushButton6()};
  const std::function<void()> actions[] = {
      [&] { Wheel(Square(pick(0, 8)), pick(-2, 2), pick(-2, 2)); },
      [&] { Click(pick(0, 8)); },
      [&] { Leave(Square(pick(0, 8))); },
      [&] { Seen(w().PushButton1()) ? Start()
            : pick(0, 4)            ? void()
                                    : End(); },
      [&] { fw::testing::Counting(*w().Timer1()) ? FlashTick() : void(); },
      [&] { fw::testing::Counting(*w().Timer2()) ? ClearTick() : void(); },
      [&] { YourTurn() ? Answer(w().str1.substr(w().str1.rfind('|') + 1)) : void(); },
      [&] { Wheel(practice, pick(-1, 1), pick(-1, 1)); },
      [&] { pick(0, 1) ? Click(&practice) : Leave(practice); },
      [&] { Click(sounds[pick(0, 2)]); }};
  const int weights[] = {2, 1, 1, 1, 4, 1, 2, 1, 1, 1};
  std::discrete_distribution<int> next(std::begin(weights), std::end(weights));
  int flashes = 0, rights = 0, gameOvers = 0;
  for (int step = 0; step < 4000; ++step) {
    const Window1& g = w();
    const std::string str1 = g.str1, score = Score();
    const bool over = Seen(w().Label3());
    actions[next(random)]();
    if (g.str1.size() == str1.size() + 2) {  // a flash: its square alone lit
      EXPECT_EQ(Board(), g.str1.substr(str1.size())) << "step " << step;
    }
    flashes += g.str1.size() == str1.size() + 2;
    rights += fw::Val(Score()) > fw::Val(score);
    gameOvers += Seen(w().Label3()) && !over;
    ASSERT_EQ((g.str1 + g.str2).find_first_not_of("012345678rgby|"), std::string::npos) << step;
    ASSERT_TRUE(g.kk <= g.numb2 && 1 <= g.jj && g.jj <= g.numb2 + 1) << "step " << step;
    ASSERT_TRUE((0 <= g.last && g.last <= 8) || g.last == 10) << "step " << step;
    ASSERT_EQ(unhandled, Strings{}) << "step " << step;
  }
  std::printf("%d flashes, %d right answers, %d game overs\n", flashes, rights, gameOvers);
  EXPECT_TRUE(flashes > 100 && rights > 10 && gameOvers > 10);
}
