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

Signal footstep(unsigned variant) {
  // A soft tread on leaves: the heel's short, damped body in the low mids, where laptop speakers
  // still carry it, and the leaves crackling under the sole at 1-4 kHz, where the music leaves
  // room for them. Each
  // variant treads a little differently, so a long walk does not sound like a machine.
  Noise vary(40 + variant);
  const double pitch = 150.0 + 50.0 * vary.unit();
  Signal step = bandpass(whiteNoise(0.14, 60 + variant), constant(pitch), 2.0);
  multiply(step, strike(0.004, 0.03));
  scale(step, 1.0 / peak(step));
  Signal heel = sine(0.1, glide(pitch * 1.25, pitch * 0.85, 0.06));
  multiply(heel, strike(0.002, 0.02));
  mixInto(step, heel, 0.0, 0.6);

  Signal crackle = silence(0.14);
  const int grains = 6 + static_cast<int>(4 * vary.unit());
  for (int grain = 0; grain < grains; ++grain) {
    Signal leaf = bandpass(whiteNoise(0.03, 100 + 16 * variant + grain),
                           constant(1400.0 + 2000.0 * vary.unit()), 1.2);
    multiply(leaf, strike(0.0005, 0.002 + 0.004 * vary.unit()));
    mixInto(crackle, leaf, 0.008 + 0.08 * vary.unit(), 0.3 + 0.7 * vary.unit());
  }
  mixInto(step, crackle, 0.0, 0.8 / peak(crackle));
  return highpass(step, constant(110.0));
}

}  // namespace dwaalbos::soundgen
