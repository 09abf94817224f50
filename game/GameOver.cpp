// END: stops the game from any state, shows the final score and the last
// round answered, and makes the board ready for a new game.

#include <vector>

#include "app/Assets.h"
#include "game/Window1.h"

using fw::NotNil;

void Window1::PushButton2_Action(fw::PushButton& /*button*/) {
  NotNil(Timer1()).SetMode(fw::Timer::kOff);
  NotNil(Timer2()).SetMode(fw::Timer::kOff);
  Clearit();
  PlayUnlessSilent(Basso);

  // The piece before the last "|"-closed end is the last round answered;
  // an unfinished round after it is not shown.
  std::vector<std::string> mine = fw::Split(str1, "|");
  std::vector<std::string> yours = fw::Split(str2, "|");
  if (fw::UBound(mine) > 0 && fw::UBound(yours) > 0) {
    NotNil(Label18()).SetText(mine[mine.size() - 2]);
    NotNil(Label19()).SetText(yours[yours.size() - 2]);
  }

  NotNil(Label3()).SetVisible(true);
  NotNil(Label3()).SetText("Final Score: " + NotNil(Label2()).Text());
  DISABLEIT();
  NotNil(Label2()).SetText("0");

  numb2 = 2;
  kk = 0;
  jj = 1;
  str1.clear();
  str2.clear();
  last = 10;

  NotNil(Label4()).SetText("Your Turn");
  NotNil(Label4()).SetVisible(false);
  NotNil(PushButton1()).SetCaption("New Game");
  NotNil(PushButton1()).SetVisible(true);
  // Not a score text, so the next START paints its "two" picture.
  monit = "3";
}
