// The About page's links and the Instructions page's practice square and
// sound buttons.

#include "app/Assets.h"
#include "tests/game/Player.h"

namespace play {
namespace {

class PagesTest : public Player {
 protected:
  void SetUp() override {
    Player::SetUp();
    fw::testing::SetUrlHandler([this](const std::string& url) { opened.push_back(url); });
    fw::testing::SetMessageBoxHandler([this](const std::string& text) { shown.push_back(text); });
  }
  void TearDown() override {
    fw::testing::SetUrlHandler({});
    fw::testing::SetMessageBoxHandler({});
    Player::TearDown();
  }
  fw::ImageWell& Practice() { return fw::NotNil(window().ImageWell2()); }
  void ShowInstructions() { fw::NotNil(window().TabPanel1()).SetValue(1); }

  std::vector<std::string> opened;
  std::vector<std::string> shown;
};

TEST_F(PagesTest, EachLinkHandsItsOwnAddressToTheDesktop) {
  Window1& w = window();
  for (fw::Label* link : {w.Label7(), w.Label8(), w.Label22()}) Click(fw::NotNil(link));
  ASSERT_EQ(opened,
            (std::vector<std::string>{"https://www.example.org/", "mailto:quorvelle@example.org",
                                      "https://www.example.org/quorvelle/"}));
  // Each address is the one its label shows.
  EXPECT_NE(opened[0].find(fw::NotNil(w.Label7()).Text()), std::string::npos);
  EXPECT_EQ(opened[1], "mailto:" + fw::NotNil(w.Label8()).Text());
  EXPECT_EQ(opened[2], fw::NotNil(w.Label22()).Text());
}

TEST_F(PagesTest, ThePracticeSquareNamesTheColourChosenAndLeavesTheGameAlone) {
  Window1& w = window();
  ShowInstructions();
  Click(Practice());  // before any wheel turn of the run
  EXPECT_EQ(shown, std::vector<std::string>{"You chose "});

  // It answers while the board is disabled, by the board's directions.
  struct Case {
    int deltaX, deltaY;
    const char* word;
  };
  for (Case c : {Case{0, 1, "blue"}, Case{0, -1, "red"}, Case{1, 0, "green"}, Case{-1, 0, "yellow"},
                 Case{-2, 2, "blue"}}) {
    Wheel(Practice(), c.deltaX, c.deltaY);
    EXPECT_EQ(w.color2, c.word);
  }
  EXPECT_EQ(Practice().Image(), blue());
  Wheel(Practice(), 0, 0);
  EXPECT_EQ(w.color2, "blue");
  Click(Practice());
  EXPECT_EQ(shown.back(), "You chose blue");
  Leave(Practice());
  EXPECT_EQ(Practice().Image(), white());

  EXPECT_EQ(w.color1, "");
  EXPECT_EQ(w.str2, "");
  EXPECT_EQ(w.kk, 0);
}

TEST_F(PagesTest, TheSoundButtonsPlayTheGameSoundsUnlessSilent) {
  Window1& w = window();
  ShowInstructions();
  Click(fw::NotNil(w.PushButton4()));
  Click(fw::NotNil(w.PushButton5()));
  Click(fw::NotNil(w.PushButton6()));
  EXPECT_EQ(Heard(), (std::vector<std::string>{"Purr", "Ping", "Basso"}));

  played.clear();
  SelectSilent();
  Click(fw::NotNil(w.PushButton4()));
  Click(fw::NotNil(w.PushButton5()));
  Click(fw::NotNil(w.PushButton6()));
  EXPECT_TRUE(played.empty());
}

}  // namespace
}  // namespace play
