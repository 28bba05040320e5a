#include "synth/noise.h"

namespace dwaalbos::synth {

double Noise::unit() {
  // xorshift32: small, fast and the same on every compiler, unlike the standard distributions.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<double>(state_) / 4294967296.0;
}

double Noise::next() { return 2.0 * unit() - 1.0; }

Signal whiteNoise(double seconds, std::uint32_t seed) {
  Noise noise(seed);
  Signal out = silence(seconds);
  for (double& sample : out) sample = noise.next();
  return out;
}

}  // namespace dwaalbos::synth
