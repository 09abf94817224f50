// The window at rest, START, the computer's flashes and the player's wheel
// and clicks.

#include "app/Assets.h"
#include "tests/game/Player.h"

namespace play {
namespace {

using RoundsTest = Player;

TEST_F(RoundsTest, OpensWithAWhiteDisabledBoardAndTheGameAtRest) {
  Window1& w = window();
  for (std::int32_t square = 0; square <= 8; ++square) {
    EXPECT_EQ(Shows(square), "white");
    EXPECT_FALSE(Square(square).Enabled());
  }
  EXPECT_EQ(Score(), "0");
  EXPECT_EQ(w.last, 10);
  EXPECT_EQ(w.jj, 1);
  EXPECT_EQ(w.kk, 0);
  EXPECT_EQ(w.numb2, 2);
  EXPECT_EQ(w.monit, "\"3\"");
  EXPECT_EQ(w.str1 + w.str2 + w.color1 + w.color2, "");
  EXPECT_EQ(fw::NotNil(w.Timer1()).Mode(), fw::Timer::kOff);

  // A disabled square takes no wheel turn.
  Wheel(4, 0, 1);
  EXPECT_EQ(Shows(4), "white");
  EXPECT_EQ(w.color1, "");
}

TEST_F(RoundsTest, StartShowsTheTwoSplashUntilTheFirstFlash) {
  Window1& w = window();
  Start();
  EXPECT_TRUE(AllShow(two()));
  EXPECT_EQ(w.monit, "0");
  EXPECT_FALSE(fw::NotNil(w.PushButton1()).Visible());
  EXPECT_FALSE(fw::NotNil(w.Label3()).Visible());
  EXPECT_TRUE(Square(0).Enabled() && Square(8).Enabled());
  EXPECT_EQ(fw::NotNil(w.Timer1()).Mode(), fw::Timer::kMultiple);
  EXPECT_EQ(fw::NotNil(w.Timer1()).Period(), 1000);

  FlashTick();
  std::optional<Flash> flash = Lit();
  ASSERT_TRUE(flash);
  EXPECT_EQ(w.str1, std::to_string(flash->square) + flash->colour);
  EXPECT_EQ(w.last, flash->square);
  EXPECT_EQ(w.jj, 2);
}

TEST_F(RoundsTest, ARoundIsItsFlashesThenTheBellOnAWhiteBoard) {
  Window1& w = window();
  Start();
  std::vector<Flash> seen = WatchRound();
  ASSERT_EQ(seen.size(), 2U);
  EXPECT_NE(seen[0].square, seen[1].square);
  // What the player saw is what the computer recorded.
  EXPECT_EQ(w.str1, std::to_string(seen[0].square) + seen[0].colour +
                        std::to_string(seen[1].square) + seen[1].colour);
  EXPECT_TRUE(AllShow(white()));
  EXPECT_EQ(fw::NotNil(w.Timer1()).Mode(), fw::Timer::kOff);
  EXPECT_EQ(w.jj, 3);
  EXPECT_EQ(Heard(), std::vector<std::string>{"Purr"});
}

TEST_F(RoundsTest, SilentModeRingsNoBell) {
  SelectSilent();
  EXPECT_FALSE(fw::NotNil(window().RadioButton1()).Value());
  Start();
  EXPECT_EQ(WatchRound().size(), 2U);
  EXPECT_TRUE(YourTurn());
  EXPECT_TRUE(played.empty());
}

TEST_F(RoundsTest, ARepeatedSquareFlashesNothingAndTheRoundGoesOn) {
  Window1& w = window();
  Start();
  w.numb2 = 100;  // a long round, so that a square comes up twice in a row
  int repeats = 0;
  for (int tick = 0; tick < 60; ++tick) {
    auto [jj, last, str1] = std::tuple(w.jj, w.last, w.str1);
    FlashTick();
    if (w.jj != jj) {
      ASSERT_TRUE(Lit());
      EXPECT_NE(Lit()->square, last);
      continue;
    }
    ++repeats;
    // A white board (not the "two" splash again), nothing recorded, and
    // START's effects applied once more.
    EXPECT_TRUE(AllShow(white()));
    EXPECT_EQ(w.last, last);
    EXPECT_EQ(w.str1, str1);
    EXPECT_EQ(fw::NotNil(w.Timer1()).Mode(), fw::Timer::kMultiple);
    EXPECT_FALSE(fw::NotNil(w.PushButton1()).Visible());
  }
  EXPECT_GT(repeats, 0);
}

TEST_F(RoundsTest, TheWheelChoosesTheColourByDirection) {
  Window1& w = window();
  Start();
  struct Case {
    int deltaX, deltaY;
    const char* colour;
  };
  for (Case c : {Case{0, 1, "b"}, Case{0, -1, "r"}, Case{1, 0, "g"}, Case{-1, 0, "y"},
                 Case{1, 1, "b"}, Case{-1, -1, "r"}, Case{3, -7, "r"}}) {
    Wheel(4, c.deltaX, c.deltaY);
    EXPECT_EQ(Shows(4), c.colour) << c.deltaX << "," << c.deltaY;
    EXPECT_EQ(w.color1, c.colour);
  }
  Wheel(4, 0, 0);
  EXPECT_EQ(Shows(4), "r");
  EXPECT_EQ(w.color1, "r");

  Leave(Square(4));
  EXPECT_EQ(Shows(4), "white");
}

TEST_F(RoundsTest, AClickRecordsTheSquareWithTheColourChosenLastAnywhere) {
  Window1& w = window();
  Start();
  Click(5);  // before any wheel turn of the run: the square alone
  EXPECT_EQ(w.str2, "5");
  EXPECT_EQ(w.kk, 1);
  EXPECT_TRUE(fw::testing::Counting(fw::NotNil(w.Timer2())));

  Wheel(2, 0, -1);
  w.numb2 = 3;
  Click(7);
  EXPECT_EQ(w.str2, "57r");
  EXPECT_EQ(w.kk, 2);

  // The clear tick, half a second after a click, whitens the board.
  ClearTick();
  EXPECT_TRUE(AllShow(white()));
  EXPECT_EQ(fw::NotNil(w.Timer2()).Mode(), fw::Timer::kOff);
}

TEST_F(RoundsTest, TheCompletingClickRunsTheCheckInsideIt) {
  Window1& w = window();
  Start();
  Answer(0, "b");
  EXPECT_EQ(w.kk, 1);
  Answer(1, "b");
  // The check closed both texts and, the answer being wrong, ended the game.
  EXPECT_EQ(w.kk, 0);
  EXPECT_EQ(w.str2, "");
  EXPECT_EQ(fw::NotNil(w.Label19()).Text(), "0b1b");
  EXPECT_EQ(fw::NotNil(w.Label3()).Text(), "Final Score: 0");
}

}  // namespace
}  // namespace play
