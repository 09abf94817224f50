// The board as a whole: the nine squares painted, filled with one picture,
// enabled or disabled together, always in the order 0 to 8.

#include "app/Assets.h"
#include "game/Window1.h"

using fw::NotNil;

void Window1::ForEachSquare(const std::function<void(fw::ImageWell&)>& action) {
  for (std::int32_t square = 0; square <= 8; ++square) action(NotNil(ImageWell1(square)));
}

void Window1::Event_Open() {
  Clearit();
  DISABLEIT();
}

void Window1::Clearit() {
  ForEachSquare([](fw::ImageWell& square) { square.SetImage(white()); });
}

// Paints at most once per score text: the first START of a game shows the
// "two" picture, the repeated START of a round that met a repeated square
// does not.
void Window1::Fillit(const std::shared_ptr<fw::Picture>& picture) {
  std::string score = NotNil(Label2()).Text();
  if (score == monit) return;
  monit = score;
  ForEachSquare([&](fw::ImageWell& square) { square.SetImage(picture); });
}

void Window1::DISABLEIT() {
  ForEachSquare([](fw::ImageWell& square) { square.SetEnabled(false); });
}

void Window1::enableit() {
  ForEachSquare([](fw::ImageWell& square) { square.SetEnabled(true); });
}

// Sounds are asked for only when they are to be heard: in the silent mode
// none is even read.
void Window1::PlayUnlessSilent(std::shared_ptr<fw::Sound> (*sound)()) {
  if (NotNil(RadioButton1()).Value()) NotNil(sound()).Play();
}
