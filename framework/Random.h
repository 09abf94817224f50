#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace fw {

// The framework's source of randomness: seeded from the system at start,
// or by SeedRandom for repeatable runs.
std::mt19937& RandomSource();
void SeedRandom(std::uint32_t seed);

// A random generator, seeded by the framework when it is made.
class Random {
 public:
  Random();

  // A whole number from low to high, both included (the bounds may come in
  // either order).
  [[nodiscard]] std::int32_t InRange(std::int32_t low, std::int32_t high);

 private:
  std::mt19937 engine_;
};

// Puts the elements in random order, in place.
template <class T>
void Shuffle(std::vector<T>& values) {
  std::shuffle(values.begin(), values.end(), RandomSource());
}

}  // namespace fw
