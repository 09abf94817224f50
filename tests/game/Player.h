#pragma once

// Plays the real game window, built as start-up builds it: real Qt wheel,
// click, key and pointer-leave events on the real widgets, the timers'
// ticks fired on demand. It judges a square by its pixels against the
// picture files and names a sound by the samples of the sound files; what
// would reach the desktop (links, message boxes) is caught.

#include <gtest/gtest.h>

#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Framework.h"
#include "framework/Testing.h"
#include "game/Window1.h"

// The player's colours: letter, wheel movement (deltaY above 0 is down,
// deltaX above 0 right) and picture file, whose name is the colour's word.
struct Colour {
  char letter;
  int deltaX, deltaY;
  const char* file;
};
inline constexpr Colour kColours[] = {
    {'b', 0, 1, "blue"}, {'r', 0, -1, "red"}, {'g', 1, 0, "green"}, {'y', -1, 0, "yellow"}};
const Colour& ColourOf(char letter);
using Strings = std::vector<std::string>;

class Player : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  static std::uint32_t Seed();  // QUORVELLE_GAME_SEED repeats a run

  Window1& w() { return Window1::Instance(); }
  fw::ImageWell& Square(int square) { return fw::NotNil(w().ImageWell1(square)); }
  static const std::string& Text(fw::Label* label) { return fw::NotNil(label).Text(); }
  static bool Seen(fw::RectControl* control) { return control->Widget()->isVisible(); }

  // --- Input -----------------------------------------------------------------
  static void Wheel(fw::RectControl& well, int deltaX, int deltaY,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  static void Click(fw::RectControl* control);
  void Click(int square) { Click(&Square(square)); }
  static void Leave(fw::RectControl& control);
  static void Press(Qt::Key key);         // to the widget that has the focus
  void Answer(const std::string& steps);  // "0b4r": over each square the wheel, then a click
  void FlashTick() { fw::testing::Tick(fw::NotNil(w().Timer1())); }
  void ClearTick() { fw::testing::Tick(fw::NotNil(w().Timer2())); }
  void Start() { Click(w().PushButton1()); }
  void End() { Click(w().PushButton2()); }
  std::string WatchRound();  // ticks until "Your Turn"; the flashes seen

  // --- What the player sees --------------------------------------------------
  static std::string Shows(fw::RectControl& well);  // "white", "red", "two", ...; "none"
  std::string Board();  // the picture all squares show; else the one lit, "4r"; else "mixed"
  // The board and whether it takes input, the score, what shows of "Your
  // Turn", the final score and START, the Me/You lines, the timers' modes.
  std::string Screen();
  bool YourTurn() { return Seen(w().Label4()); }
  std::string Score() { return Text(w().Label2()); }

  Strings heard, unhandled, opened, boxes;  // sounds by file; class names; URLs; messages
};
