#pragma once

#include <cstdint>

namespace dwaalbos {

// SplitMix64: the same numbers from the same seed on every machine and compiler, which the
// standard library's distributions do not promise. Good enough to shape a board.
class SeededRandom {
 public:
  explicit SeededRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 .. n - 1 for n >= 1; the tiny bias of a modulo does not matter here.
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
  // lo .. hi inclusive.
  int between(int lo, int hi) { return lo + below(hi - lo + 1); }
  // True in `percent` of the calls.
  bool chance(int percent) { return below(100) < percent; }

 private:
  std::uint64_t state_;
};

}  // namespace dwaalbos
