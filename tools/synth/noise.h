#pragma once

#include <cstdint>

#include "synth/signal.h"

namespace dwaalbos::synth {

// White noise from a fixed seed: every build generates the very same sounds.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}
  // Uniform in [-1, 1).
  double next();
  // Uniform in [0, 1).
  double unit();

 private:
  std::uint32_t state_;
};

Signal whiteNoise(double seconds, std::uint32_t seed);

}  // namespace dwaalbos::synth
