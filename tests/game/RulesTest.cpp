// The game's rules, played through the real window, and its About and Instructions pages.

#include <unistd.h>

#include <set>

#include "tests/game/Player.h"

using Rules = Player;
using fw::testing::Counting;

TEST_F(Rules, OpensAtRestAndADisabledSquareTakesNoWheelTurn) {
  Window1& g = w();
  EXPECT_EQ(Screen(), "white disabled; score 0; START; me ; you ; timers 00");
  EXPECT_EQ(std::tuple(Seen(g.PushButton3()), Seen(g.Label11()), Seen(g.Label10()),  // About page
                       g.RadioButton1()->Value(), g.Timer1()->Period(), g.Timer2()->Period(),
                       Counting(*g.Timer1()) || Counting(*g.Timer2())),
            std::tuple(false, true, false, true, 1000, 500, false));
  EXPECT_EQ(std::tuple(g.last, g.jj, g.kk, g.numb2, g.monit, g.str1 + g.str2 + g.color1 + g.color2),
            std::tuple(10, 1, 0, 2, "\"3\"", ""));
  Wheel(Square(4), 0, 1);
  EXPECT_EQ(Board() + g.color1, "white");
}

TEST_F(Rules, StartShowsTwoThenTheFlashesAsRecordedThenTheBellRings) {
  Start();
  EXPECT_EQ(Screen(), "two enabled; score 0; me ; you ; timers 20");
  EXPECT_EQ(WatchRound(), w().str1);
  EXPECT_EQ(Screen(), "white enabled; score 0; Your Turn; me ; you ; timers 00");
  EXPECT_EQ(heard, Strings{"Purr"});
}

// A square drawn twice in a row is not flashed: the tick runs START again,
// which leaves the board white (no second "two") and records nothing. Over
// 200 flashes every square and every colour shows.
TEST_F(Rules, EachFlashLightsOneSquareAsRecordedButNeverTheSameTwiceInARow) {
  Start();
  w().numb2 = 1000;
  int repeats = 0;
  std::set<char> lit;
  for (std::string before; before.size() < 400; before = w().str1) {
    FlashTick();
    const std::string board = Board(), added = w().str1.substr(before.size());
    repeats += added.empty();
    EXPECT_TRUE(!added.empty() || Screen() == "white enabled; score 0; me ; you ; timers 20");
    ASSERT_TRUE(added.empty() || board == added) << board << " but recorded " << added;
    ASSERT_TRUE(added.empty() || before.empty() || before[before.size() - 2] != board[0]);
    if (!added.empty()) lit.insert(board.begin(), board.end());  // "4r"
  }
  EXPECT_GT(repeats, 0);
  EXPECT_EQ(std::string(lit.begin(), lit.end()), "012345678bgry");
}

// The practice square answers also while the board is disabled, and leaves the game alone.
TEST_F(Rules, TheWheelChoosesTheColourByDirectionOnTheBoardAndThePracticeSquare) {
  const std::tuple<int, int, char> cases[] = {{0, 1, 'b'},  {0, -1, 'r'}, {1, 0, 'g'},
                                              {-1, 0, 'y'}, {1, 1, 'b'},  {-1, -1, 'r'},
                                              {-2, 2, 'b'}, {3, -7, 'r'}, {0, 0, 'r'}};
  fw::ImageWell& practice = fw::NotNil(w().ImageWell2());
  w().TabPanel1()->SetValue(1);
  Click(&practice);  // before any wheel turn of the run
  for (auto [deltaX, deltaY, letter] : cases) {
    Wheel(practice, deltaX, deltaY);
    Click(&practice);
    const std::string& file = std::get<0>(kColours.at(letter));
    EXPECT_EQ(Shows(practice) + " " + boxes.back(), file + " You chose " + file);
  }
  EXPECT_EQ(boxes[0], "You chose ");
  Leave(practice);
  EXPECT_EQ(Shows(practice) + w().color1 + w().str2 + std::to_string(w().kk), "white0");
  Start();
  for (auto [deltaX, deltaY, letter] : cases) {
    Wheel(Square(4), deltaX, deltaY);
    EXPECT_EQ(Shows(Square(4)) + w().color1, std::get<0>(kColours.at(letter)) + letter);
  }
  Leave(Square(4));
  EXPECT_EQ(Shows(Square(4)), "white");
}

// Clicks count whatever the state; here the computer still flashes, so the answer is wrong.
TEST_F(Rules, AClickRecordsTheSquareWithTheColourChosenLastAnywhereAndTheLastClickChecks) {
  Start();
  FlashTick();
  const std::string flash = Board();
  Click(5);  // before any wheel turn of the run: the square alone
  EXPECT_EQ(std::tuple(w().str2, w().kk, Counting(*w().Timer2())), std::tuple("5", 1, true));
  Wheel(Square(2), 0, -1);
  ClearTick();
  EXPECT_EQ(Screen(), "white enabled; score 0; me ; you ; timers 20");
  Click(7);
  EXPECT_EQ(Screen(), "white disabled; score 0; Final Score: 0; New Game; me " + flash +
                          "; you 57r; timers 00");
}

TEST_F(Rules, AWholeGameClimbsTheLevelTableAndTheNextGameKeepsItsPace) {
  const std::tuple<const char*, const char*, int, int> levels[] = {
      {"8", "three", 3, 1000}, {"20", "four", 4, 1000},  {"36", "five", 5, 1000},
      {"86", "six", 6, 1000},  {"116", "seven", 7, 900}, {"151", "eight", 8, 800},
      {"191", "nine", 9, 700}};
  std::size_t next = 0, rounds = 0;
  for (Start(); fw::Val(Score()) < 200 && rounds < 50; ++rounds, ClearTick()) {
    std::string seen = WatchRound();
    ASSERT_EQ(seen.size(), 2U * static_cast<std::size_t>(w().numb2)) << "at " << Score();
    Answer(seen);
    ASSERT_TRUE(Screen().ends_with(" enabled; score " + Score() + "; me ; you ; timers 21"))
        << Screen();
    if (next < std::size(levels) && Score() == std::get<0>(levels[next])) {
      EXPECT_EQ(std::tuple(Score(), Board(), w().numb2, w().Timer1()->Period()), levels[next++]);
    }
  }
  EXPECT_EQ(std::tuple(next, rounds, Score(), std::ranges::count(heard, "Ping"),
                       std::ranges::count(heard, "Purr")),
            std::tuple(std::size(levels), 38U, "200", 38, 38));
  End();
  EXPECT_EQ(Reads(kFinalScore), "Final Score: 200");
  Start();  // over at two flashes, but as fast as the last game ended
  EXPECT_EQ(std::tuple(Board(), w().Timer1()->Period()), std::tuple("two", 700));
  EXPECT_EQ(WatchRound().size(), 4U);
}

// Answered before the round's closing tick, the next round flashes at once, without the bell.
TEST_F(Rules, ARightAnswerGoesOnToTheNextRoundAndAWrongOneEndsTheGame) {
  Start();
  Answer(WatchRound(2));
  ClearTick();
  FlashTick();
  const std::string first = Board(), second = first + WatchRound();  // the first at once
  std::string wrong = second;
  wrong[3] = wrong[3] == 'g' ? 'b' : 'g';
  Answer(wrong);
  EXPECT_EQ(Screen(), "white disabled; score 0; Final Score: 2; New Game; me " + second + "; you " +
                          wrong + "; timers 00");
  EXPECT_EQ(heard, (Strings{"Ping", "Purr", "Basso"}));
  Start();  // wipes the failed round
  EXPECT_EQ(Screen(), "two enabled; score 0; me ; you ; timers 20");
}

TEST_F(Rules, EndAtAnyTime) {
  const std::string over = "white disabled; score 0; Final Score: ";
  End();  // before the first game
  EXPECT_EQ(Screen(), over + "0; New Game; me ; you ; timers 00");
  EXPECT_EQ(heard, Strings{"Basso"});
  Start();  // in the first round: no round closed yet
  FlashTick();
  End();
  EXPECT_EQ(Screen(), over + "0; New Game; me ; you ; timers 00");
  Start();  // in a later round: the last round answered, on both lines
  std::string seen = WatchRound();
  Answer(seen);
  FlashTick();
  End();
  EXPECT_EQ(Screen(), over + "2; New Game; me " + seen + "; you " + seen + "; timers 00");
  End();  // twice in a row: the lines stay, the score is the reset one
  EXPECT_EQ(Screen(), over + "0; New Game; me " + seen + "; you " + seen + "; timers 00");
}

TEST_F(Rules, SoundsPlayUnlessSilentAndSilenceChangesNothingElse) {
  w().TabPanel1()->SetValue(1);
  for (auto* button : {w().PushButton4(), w().PushButton5(), w().PushButton6()}) Click(button);
  EXPECT_EQ(heard, (Strings{"Purr", "Ping", "Basso"}));
  Click(w().RadioButton2());
  for (auto* button : {w().PushButton4(), w().PushButton5(), w().PushButton6()}) Click(button);
  Start();
  Answer(WatchRound());
  End();
  EXPECT_EQ(std::tuple(Reads(kFinalScore), heard.size()), std::tuple("Final Score: 2", 3U));
}

TEST_F(Rules, EachLinkHandsItsOwnAddressToTheDesktop) {
  for (fw::Label* link : {w().Label7(), w().Label8(), w().Label22()}) Click(link);
  EXPECT_EQ(opened, (Strings{"https://www.example.org/", "mailto:quorvelle@example.org",
                             "https://www.example.org/quorvelle/"}));
  EXPECT_EQ(opened, (Strings{"https://" + Text(w().Label7()) + "/", "mailto:" + Text(w().Label8()),
                             Text(w().Label22())}));
}

// With Ping.aiff missing, the beep's NilObjectException stops the check after the score;
// in a child process, as a sound is tried once per process.
TEST_F(Rules, AMissingBeepStopsTheCheckAfterTheScoreIsWritten) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / ("quorvelle-" + std::to_string(getpid()));
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        fs::create_directories(root / "bin");
        fs::copy(Resource(""), root / "Resources");
        fs::remove(root / "Resources" / "Ping.aiff");
        fw::testing::SetExecutablePath((root / "bin" / "quorvelle").string());
        Start();
        Answer(WatchRound());
        fs::remove_all(root);
        for (const std::string& each : unhandled) std::fprintf(stderr, "%s; ", each.c_str());
        std::fprintf(stderr, "%s\n", Screen().c_str());
        std::_Exit(0);
      },
      ::testing::ExitedWithCode(0),
      "NilObjectException; mixed enabled; score 2; Your Turn; me ; you ; timers 01\n");
}
