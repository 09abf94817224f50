#pragma once

// The four colours of the game: the picture a square shows, the letter the
// sequence texts record, and the word the practice square names.

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "app/Assets.h"

namespace colours {

struct Colour {
  std::shared_ptr<fw::Picture> (*picture)();
  std::string_view letter;
  std::string_view word;
};

// In the order of the computer's colour codes 1 to 4, which is also the
// order in which the wheel's directions are tested.
inline constexpr std::array<Colour, 4> kColours{{
    {blue, "b", "blue"},
    {red, "r", "red"},
    {green, "g", "green"},
    {yellow, "y", "yellow"},
}};

inline const Colour& OfCode(std::int32_t code) {
  return kColours.at(static_cast<std::size_t>(code - 1));
}

// The colour a wheel movement chooses: down blue, up red, right green,
// left yellow. Only the signs count, and the vertical movement wins;
// nothing for no movement at all.
inline const Colour* ChosenByWheel(std::int32_t deltaX, std::int32_t deltaY) {
  if (deltaY > 0) return &kColours[0];
  if (deltaY < 0) return &kColours[1];
  if (deltaX > 0) return &kColours[2];
  if (deltaX < 0) return &kColours[3];
  return nullptr;
}

}  // namespace colours
