// The computer's half of a round: START, the flash ticks and the clear tick.

#include <vector>

#include "app/Assets.h"
#include "game/Colours.h"
#include "game/Window1.h"

using fw::NotNil;

void Window1::PushButton1_Action(fw::PushButton& button) {
  enableit();
  NotNil(Label4()).SetVisible(false);
  button.SetVisible(false);
  NotNil(Label3()).SetVisible(false);
  if (NotNil(Label2()).Text() == "0") Fillit(two());
  NotNil(Label18()).SetText("");
  NotNil(Label19()).SetText("");
  NotNil(Timer1()).SetMode(fw::Timer::kMultiple);
}

void Window1::PushButton1_MouseExit(fw::PushButton& /*button*/) {}

// One flash per tick while the round has flashes left; then the player's
// turn. A square drawn twice in a row is not flashed: the tick runs START
// again instead and the round takes one period longer.
void Window1::Timer1_Action(fw::Timer& timer) {
  fw::Random random;
  if (jj <= numb2) {
    Clearit();
    std::vector<std::int32_t> codes{1, 2, 3, 4};
    fw::Shuffle(codes);
    const colours::Colour& colour = colours::OfCode(codes[0]);
    std::int32_t square = random.InRange(0, 8);
    if (square != last) {
      last = square;
      str1 += fw::Str(square);
      NotNil(ImageWell1(square)).SetImage(colour.picture());
      str1 += colour.letter;
      jj += 1;
    } else {
      NotNil(PushButton1()).Push();
    }
  } else {
    timer.SetMode(fw::Timer::kOff);
    Clearit();
    NotNil(Label4()).SetVisible(true);
    PlayUnlessSilent(Purr);
  }
}

void Window1::Timer2_Action(fw::Timer& timer) {
  Clearit();
  timer.SetMode(fw::Timer::kOff);
}
