#include "Text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fw {

std::string Str(std::int32_t value) { return std::to_string(value); }

std::string Str(double value) {
  char text[32];
  bool whole = std::isfinite(value) && std::fabs(value) < 1e15 && value == std::trunc(value);
  if (whole) {
    // "-0" is a plain zero.
    std::snprintf(text, sizeof text, "%.0f", value == 0.0 ? 0.0 : value);
  } else {
    std::snprintf(text, sizeof text, "%.15g", value);
  }
  return text;
}

double Val(std::string_view text) {
  std::size_t at = text.find_first_not_of(" \t");
  if (at == std::string_view::npos) return 0.0;
  text.remove_prefix(at);
  double sign = 1.0;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    sign = text.front() == '-' ? -1.0 : 1.0;
    text.remove_prefix(1);
  }
  // Only a number written with digits counts: no "inf" or "nan".
  if (text.empty() ||
      !(std::isdigit(static_cast<unsigned char>(text.front())) != 0 || text.front() == '.')) {
    return 0.0;
  }
  double value = 0.0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too large or too small for a double: strtod tells which (HUGE_VAL, or
    // 0 for a number too close to 0), for the digits from_chars read.
    value = std::strtod(std::string(text.data(), end).c_str(), nullptr);
    return sign * value;
  }
  return error == std::errc() ? sign * value : 0.0;
}

int StrComp(std::string_view a, std::string_view b, int mode) {
  auto fold = [mode](char c) {
    auto byte = static_cast<unsigned char>(c);
    return (mode == 1 && byte >= 'A' && byte <= 'Z') ? byte + ('a' - 'A') : byte;
  };
  for (std::size_t at = 0; at < a.size() && at < b.size(); ++at) {
    auto x = fold(a[at]);
    auto y = fold(b[at]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  if (separator.empty()) return {std::string(text)};
  std::size_t from = 0;
  for (std::size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator, from)) {
    pieces.emplace_back(text.substr(from, at - from));
    from = at + separator.size();
  }
  pieces.emplace_back(text.substr(from));
  return pieces;
}

}  // namespace fw
