#pragma once

// Text functions.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// A number as text. A whole number is written as plain decimal digits, with
// no decimal point; other numbers with up to 15 significant digits.
[[nodiscard]] std::string Str(std::int32_t value);
[[nodiscard]] std::string Str(double value);

// The number at the start of a text (after any blanks); 0 when there is
// none.
[[nodiscard]] double Val(std::string_view text);

// Compares two texts: -1, 0 or 1. Mode 0 compares bytes; mode 1 compares
// ASCII letters without regard to case.
[[nodiscard]] int StrComp(std::string_view a, std::string_view b, int mode);

// The pieces of a text between separators, empty pieces kept: a text with n
// separators gives n + 1 pieces.
[[nodiscard]] std::vector<std::string> Split(std::string_view text, std::string_view separator);

// The index of a list's last element; -1 for an empty list.
template <class T>
[[nodiscard]] std::int32_t UBound(const std::vector<T>& list) {
  return static_cast<std::int32_t>(list.size()) - 1;
}

}  // namespace fw
