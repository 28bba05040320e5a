#pragma once

#include <cstdint>

namespace artgen {

// A small random generator of our own, so that every build draws exactly the same pictures.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}

  // A value in [0, 1).
  double next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ >> 8) / 16777216.0;
  }
  double between(double low, double high) { return low + (high - low) * next(); }

 private:
  std::uint32_t state_;
};

}  // namespace artgen
