// The player's answer: the wheel over a square chooses the colour, a click
// records the square with the colour chosen last, and the click that
// completes the round runs the answer check.

#include "app/Assets.h"
#include "game/Colours.h"
#include "game/Window1.h"

using fw::NotNil;

bool Window1::ImageWell1_MouseWheel(fw::ImageWell& square, std::int32_t /*x*/, std::int32_t /*y*/,
                                    std::int32_t deltaX, std::int32_t deltaY) {
  if (!square.Enabled()) return false;
  if (const colours::Colour* chosen = colours::ChosenByWheel(deltaX, deltaY)) {
    square.SetImage(chosen->picture());
    color1 = chosen->letter;
  }
  return false;
}

// No test first: the square counts whatever the state, with whatever colour
// was chosen last, anywhere (none before the first wheel turn of the run).
bool Window1::ImageWell1_MouseDown(fw::ImageWell& square, std::int32_t /*x*/, std::int32_t /*y*/) {
  str2 += fw::Str(square.Index()) + color1;
  kk += 1;
  NotNil(Timer2()).SetMode(fw::Timer::kSingle);
  if (kk == numb2) NotNil(PushButton3()).Push();
  return false;
}

void Window1::ImageWell1_MouseExit(fw::ImageWell& square) { square.SetImage(white()); }

void Window1::ImageWell1_MouseEnter(fw::ImageWell& /*square*/) {}
