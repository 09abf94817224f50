// The About page's links and the Instructions page's practice square and
// sound buttons. They work at any time and leave the game alone.

#include "app/Assets.h"
#include "game/Colours.h"
#include "game/Window1.h"

bool Window1::Label7_MouseDown(fw::Label& /*label*/, std::int32_t /*x*/, std::int32_t /*y*/) {
  fw::ShowURL("https://www.example.org/");
  return false;
}

bool Window1::Label8_MouseDown(fw::Label& /*label*/, std::int32_t /*x*/, std::int32_t /*y*/) {
  fw::ShowURL("mailto:quorvelle@example.org");
  return false;
}

bool Window1::Label22_MouseDown(fw::Label& /*label*/, std::int32_t /*x*/, std::int32_t /*y*/) {
  fw::ShowURL("https://www.example.org/quorvelle/");
  return false;
}

// Unlike the board, the practice square answers also while it is disabled.
bool Window1::ImageWell2_MouseWheel(fw::ImageWell& square, std::int32_t /*x*/, std::int32_t /*y*/,
                                    std::int32_t deltaX, std::int32_t deltaY) {
  if (const colours::Colour* chosen = colours::ChosenByWheel(deltaX, deltaY)) {
    square.SetImage(chosen->picture());
    color2 = chosen->word;
  }
  return false;
}

void Window1::ImageWell2_MouseExit(fw::ImageWell& square) { square.SetImage(white()); }

bool Window1::ImageWell2_MouseDown(fw::ImageWell& /*square*/, std::int32_t /*x*/,
                                   std::int32_t /*y*/) {
  fw::MsgBox("You chose " + color2);
  return false;
}

void Window1::PushButton4_Action(fw::PushButton& /*button*/) { PlayUnlessSilent(Purr); }
void Window1::PushButton5_Action(fw::PushButton& /*button*/) { PlayUnlessSilent(Ping); }
void Window1::PushButton6_Action(fw::PushButton& /*button*/) { PlayUnlessSilent(Basso); }
