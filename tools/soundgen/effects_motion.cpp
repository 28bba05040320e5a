#include "soundgen/effects.h"
#include "soundgen/sound_parts.h"
#include "synth/envelopes.h"
#include "synth/filters.h"
#include "synth/noise.h"
#include "synth/oscillators.h"

namespace dwaalbos::soundgen {

using namespace synth;

Signal arrowWhoosh() {
  // Air rushing past: noise through a band that sweeps up as the ride speeds up, then falls away.
  const double length = 0.5;
  Signal air = bandpass(whiteNoise(length, 7),
                        segments({{0.0, 350.0}, {0.2, 2400.0}, {length, 800.0}}), 1.3);
  Signal breath =
      lowpass(whiteNoise(length, 8), segments({{0.0, 500.0}, {0.2, 5000.0}, {length, 1500.0}}));
  mixInto(air, breath, 0.0, 0.25);
  multiply(air, [length](double t) {
    const double x = t < 0.2 ? t / 0.2 : 1.0 - (t - 0.2) / (length - 0.2);
    return x * x * (3.0 - 2.0 * x);
  });
  return air;
}

Signal footstep() {
  // A soft tread on leaves and moss: a faint thump and a short crackle of a few tiny bursts.
  Signal step = sine(0.16, glide(75.0, 50.0, 0.08));
  multiply(step, strike(0.004, 0.03));
  fadeEdges(step, 0.0, 0.03);
  Noise timing(5);
  Signal crackle = silence(0.16);
  for (int burst = 0; burst < 5; ++burst) {
    Signal grain =
        bandpass(whiteNoise(0.06, 100 + burst), constant(1200.0 + 1400.0 * timing.unit()), 0.9);
    multiply(grain, strike(0.001, 0.008 + 0.01 * timing.unit()));
    mixInto(crackle, grain, 0.004 + 0.05 * timing.unit(), 0.5 + 0.5 * timing.unit());
  }
  mixInto(step, lowpass(crackle, constant(4000.0)), 0.0, 0.6);
  return step;
}

}  // namespace dwaalbos::soundgen
