#include "Random.h"

#include <utility>

namespace fw {

std::mt19937& RandomSource() {
  static std::mt19937 source{std::random_device{}()};
  return source;
}

void SeedRandom(std::uint32_t seed) { RandomSource().seed(seed); }

Random::Random() : engine_(RandomSource()()) {}

std::int32_t Random::InRange(std::int32_t low, std::int32_t high) {
  if (low > high) std::swap(low, high);
  return std::uniform_int_distribution<std::int32_t>(low, high)(engine_);
}

}  // namespace fw
