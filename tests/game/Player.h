#pragma once

// Plays the real game window as a player would: real wheel, click and
// pointer-leave events delivered to the real widgets, the timers' ticks
// fired on demand, and what the board shows read back from the squares.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/Framework.h"
#include "framework/Testing.h"
#include "game/Window1.h"
#include "tests/game/GameWindow.h"

namespace play {

// One flash as the player saw it: a square and its colour letter.
struct Flash {
  std::int32_t square;
  std::string colour;
  friend bool operator==(const Flash&, const Flash&) = default;
};

class Player : public GameWindow {
 protected:
  void SetUp() override;
  void TearDown() override;

  fw::ImageWell& Square(std::int32_t square) { return fw::NotNil(window().ImageWell1(square)); }

  // --- Input, as real Qt events ------------------------------------------
  // A wheel movement over a square: deltaY above 0 is down, deltaX above 0
  // is right.
  void Wheel(fw::ImageWell& well, int deltaX, int deltaY);
  void Wheel(std::int32_t square, int deltaX, int deltaY) { Wheel(Square(square), deltaX, deltaY); }
  void Click(fw::RectControl& control);
  void Click(std::int32_t square) { Click(Square(square)); }
  void Leave(fw::RectControl& control);
  // Chooses a colour (by letter) over a square with the wheel, then clicks it.
  void Answer(std::int32_t square, const std::string& colour);
  void Answer(const std::vector<Flash>& flashes);

  // --- Time --------------------------------------------------------------
  void FlashTick() { fw::testing::Tick(fw::NotNil(window().Timer1())); }
  void ClearTick() { fw::testing::Tick(fw::NotNil(window().Timer2())); }
  void Start() { Click(fw::NotNil(window().PushButton1())); }
  // Ticks until the player's turn, reading each flash off the board.
  std::vector<Flash> WatchRound();

  // --- What the player sees ----------------------------------------------
  // The colour letter a square shows, "white", a digit's name, or "none".
  std::string Shows(std::int32_t square);
  // The one lit square, if exactly one square shows a colour.
  std::optional<Flash> Lit();
  bool AllShow(const std::shared_ptr<fw::Picture>& picture);
  std::string Score() { return fw::NotNil(window().Label2()).Text(); }
  bool YourTurn() { return fw::NotNil(window().Label4()).Visible(); }
  void SelectSilent() { Click(fw::NotNil(window().RadioButton2())); }

  // --- What the player hears ---------------------------------------------
  // The sounds played so far, by asset name ("Basso", "Purr", "Ping").
  std::vector<std::string> Heard();
  std::vector<const fw::Sound*> played;
  // Unhandled exceptions reported so far, by class name.
  std::vector<std::string> unhandled;
};

}  // namespace play
