// The answer check with its level table, and game over.

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/Assets.h"
#include "tests/game/Player.h"

namespace play {
namespace {

using AnswerTest = Player;

std::string Steps(const std::vector<Flash>& flashes) {
  std::string text;
  for (const Flash& flash : flashes) text += std::to_string(flash.square) + flash.colour;
  return text;
}

TEST_F(AnswerTest, AWholeGameClimbsTheLevelTableAndTheNextGameKeepsItsPace) {
  Window1& w = window();
  struct Level {
    const char* score;
    std::shared_ptr<fw::Picture> (*digit)();
    std::int32_t flashes;
    std::int32_t period;
  };
  const std::vector<Level> levels{
      {"8", three, 3, 1000},  {"20", four, 4, 1000},  {"36", five, 5, 1000}, {"86", six, 6, 1000},
      {"116", seven, 7, 900}, {"151", eight, 8, 800}, {"191", nine, 9, 700}};
  std::size_t next = 0;
  std::vector<std::string> scores;
  int rounds = 0;

  Start();
  while (fw::Val(Score()) < 200) {
    std::int32_t flashes = w.numb2;
    std::vector<Flash> seen = WatchRound();
    ASSERT_EQ(seen.size(), static_cast<std::size_t>(flashes));
    Answer(seen);
    ++rounds;
    scores.push_back(Score());
    ASSERT_TRUE(fw::NotNil(w.Label3()).Visible() == false) << "the game ended at " << Score();
    EXPECT_FALSE(YourTurn());
    EXPECT_EQ(w.kk, 0);
    EXPECT_EQ(w.jj, 1);
    EXPECT_EQ(w.last, 10);
    EXPECT_EQ(fw::NotNil(w.Timer1()).Mode(), fw::Timer::kMultiple);
    if (next < levels.size() && Score() == levels[next].score) {
      EXPECT_TRUE(AllShow(levels[next].digit())) << "no digit splash at " << Score();
      EXPECT_EQ(w.numb2, levels[next].flashes);
      EXPECT_EQ(fw::NotNil(w.Timer1()).Period(), levels[next].period);
      ++next;
    } else {
      EXPECT_FALSE(AllShow(three()) || AllShow(nine()));
    }
    ClearTick();
  }
  EXPECT_EQ(next, levels.size());
  EXPECT_EQ(rounds, 38);
  EXPECT_EQ(scores.front(), "2");
  EXPECT_EQ(scores.back(), "200");
  EXPECT_EQ(std::ranges::count(Heard(), "Ping"), rounds);
  EXPECT_EQ(std::ranges::count(Heard(), "Purr"), rounds);

  // The next game starts over at two flashes, but as fast as this one ended.
  Click(fw::NotNil(w.PushButton2()));
  EXPECT_EQ(fw::NotNil(w.Label3()).Text(), "Final Score: 200");
  EXPECT_EQ(Score(), "0");
  EXPECT_EQ(w.monit, "3");
  Start();
  EXPECT_TRUE(AllShow(two()));
  EXPECT_EQ(fw::NotNil(w.Timer1()).Period(), 700);
  EXPECT_EQ(WatchRound().size(), 2U);
}

TEST_F(AnswerTest, ARightAnswerBeforeTheClosingTickSkipsTheBell) {
  Window1& w = window();
  Start();
  std::vector<Flash> seen;
  while (seen.size() < 2) {
    FlashTick();
    if (auto flash = Lit(); flash && w.jj > static_cast<std::int32_t>(seen.size()) + 1) {
      seen.push_back(*flash);
    }
  }
  Answer(seen);
  EXPECT_EQ(Score(), "2");
  FlashTick();
  EXPECT_TRUE(Lit());
  EXPECT_FALSE(YourTurn());
  EXPECT_EQ(Heard(), std::vector<std::string>{"Ping"});
}

TEST_F(AnswerTest, WrongAnswersEndTheGameShowingTheFailedRound) {
  Window1& w = window();
  Start();
  std::vector<Flash> first = WatchRound();
  Answer(first);
  ASSERT_EQ(Score(), "2");
  ClearTick();

  std::vector<Flash> second = WatchRound();
  std::vector<Flash> wrong = second;
  wrong[1].colour = wrong[1].colour == "g" ? "b" : "g";
  Answer(wrong);

  EXPECT_EQ(fw::NotNil(w.Label18()).Text(), Steps(second));
  EXPECT_EQ(fw::NotNil(w.Label19()).Text(), Steps(wrong));
  EXPECT_TRUE(fw::NotNil(w.Label3()).Visible());
  EXPECT_EQ(fw::NotNil(w.Label3()).Text(), "Final Score: 2");
  EXPECT_EQ(Score(), "0");
  EXPECT_TRUE(AllShow(white()));
  EXPECT_FALSE(Square(0).Enabled());
  EXPECT_EQ(fw::NotNil(w.PushButton1()).Caption(), "New Game");
  EXPECT_TRUE(fw::NotNil(w.PushButton1()).Visible());
  EXPECT_EQ(fw::NotNil(w.Timer1()).Mode(), fw::Timer::kOff);
  EXPECT_EQ(fw::NotNil(w.Timer2()).Mode(), fw::Timer::kOff);
  EXPECT_EQ(w.str1 + w.str2, "");
  EXPECT_EQ(Heard().back(), "Basso");

  // START wipes the failed round for the new game.
  Start();
  EXPECT_EQ(fw::NotNil(w.Label18()).Text() + fw::NotNil(w.Label19()).Text(), "");
  EXPECT_FALSE(fw::NotNil(w.Label3()).Visible());
}

TEST_F(AnswerTest, AnswersWithoutAColourOrBeforeTheFlashesEndAreWrong) {
  Window1& w = window();
  // A click before any wheel turn of the run records no colour.
  Start();
  std::vector<Flash> seen = WatchRound();
  Click(seen[0].square);
  Click(seen[1].square);
  EXPECT_EQ(fw::NotNil(w.Label19()).Text(),
            std::to_string(seen[0].square) + std::to_string(seen[1].square));
  EXPECT_EQ(fw::NotNil(w.Label3()).Text(), "Final Score: 0");

  // An answer completed while the computer still flashes.
  Start();
  FlashTick();
  std::optional<Flash> flash = Lit();
  ASSERT_TRUE(flash);
  Answer(flash->square, flash->colour);
  Answer(flash->square, flash->colour);
  EXPECT_TRUE(fw::NotNil(w.Label3()).Visible());
  EXPECT_EQ(fw::NotNil(w.Label18()).Text(), std::to_string(flash->square) + flash->colour);
}

TEST_F(AnswerTest, EndAtAnyTime) {
  Window1& w = window();
  fw::PushButton& end = fw::NotNil(w.PushButton2());

  // Before the first game: nothing to show but the score.
  Click(end);
  EXPECT_EQ(fw::NotNil(w.Label3()).Text(), "Final Score: 0");
  EXPECT_EQ(fw::NotNil(w.Label18()).Text(), "");
  EXPECT_EQ(fw::NotNil(w.PushButton1()).Caption(), "New Game");
  EXPECT_EQ(Heard(), std::vector<std::string>{"Basso"});

  // During the first round: no round closed yet.
  Start();
  FlashTick();
  Click(end);
  EXPECT_EQ(fw::NotNil(w.Label18()).Text() + fw::NotNil(w.Label19()).Text(), "");
  EXPECT_EQ(fw::NotNil(w.Timer1()).Mode(), fw::Timer::kOff);

  // During a later round: the last round answered, the same on both lines.
  Start();
  std::vector<Flash> seen = WatchRound();
  Answer(seen);
  FlashTick();
  Click(end);
  EXPECT_EQ(fw::NotNil(w.Label18()).Text(), Steps(seen));
  EXPECT_EQ(fw::NotNil(w.Label19()).Text(), Steps(seen));
  EXPECT_EQ(fw::NotNil(w.Label3()).Text(), "Final Score: 2");

  // Twice in a row: the lines stay, the score is the reset one.
  Click(end);
  EXPECT_EQ(fw::NotNil(w.Label18()).Text(), Steps(seen));
  EXPECT_EQ(fw::NotNil(w.Label3()).Text(), "Final Score: 0");
}

TEST_F(AnswerTest, SilentModePlaysEverythingButTheSounds) {
  Window1& w = window();
  SelectSilent();
  Start();
  Answer(WatchRound());
  EXPECT_EQ(Score(), "2");
  Click(fw::NotNil(w.PushButton2()));
  EXPECT_EQ(fw::NotNil(w.Label3()).Text(), "Final Score: 2");
  EXPECT_TRUE(played.empty());
}

// A copy of the program's resources without one file.
class MissingSound : public Player {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    fs::path built = fs::path(std::getenv("QUORVELLE_PROGRAM")).parent_path().parent_path();
    root_ = fs::temp_directory_path() / ("quorvelle-missing-" + std::to_string(::getpid()));
    fs::create_directories(root_ / "bin");
    fs::copy(built / "Resources", root_ / "Resources", fs::copy_options::recursive);
    fs::remove(root_ / "Resources" / "Ping.aiff");
    Player::SetUp();
    fw::testing::SetExecutablePath((root_ / "bin" / "quorvelle").string());
  }
  void TearDown() override {
    unhandled.clear();
    Player::TearDown();
    std::filesystem::remove_all(root_);
  }
  std::filesystem::path root_;
};

TEST_F(MissingSound, AMissingBeepStopsTheRunAfterTheScoreIsWritten) {
  Window1& w = window();
  Start();
  Answer(WatchRound());
  EXPECT_EQ(unhandled, std::vector<std::string>{"NilObjectException"});
  EXPECT_EQ(Score(), "2");
  // The rest of the check never ran: "Your Turn" stays, the timer stays off.
  EXPECT_TRUE(YourTurn());
  EXPECT_EQ(fw::NotNil(w.Timer1()).Mode(), fw::Timer::kOff);
  fw::testing::ResetRun();
}

}  // namespace
}  // namespace play
