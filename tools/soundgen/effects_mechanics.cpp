#include "soundgen/effects.h"
#include "soundgen/sound_parts.h"
#include "synth/envelopes.h"
#include "synth/filters.h"
#include "synth/noise.h"
#include "synth/oscillators.h"

namespace dwaalbos::soundgen {

using namespace synth;

Signal switchClick() {
  // Click-clack: the lever leaves its rest, then snaps into the other one.
  Signal out;
  mixInto(out, tick(3300.0, 0.014, 11), 0.0, 1.0);
  mixInto(out, tick(2200.0, 0.018, 12), 0.026, 0.8);
  return out;
}

Signal keyJingle() {
  // A small ring of keys lifted up: a few light metallic tinks close together. Pitched low and
  // dulled, so most of it lies below 2 kHz and a row of keys taken does not pierce.
  Signal out;
  const double times[] = {0.0, 0.065, 0.15, 0.23};
  const double pitches[] = {1180.0, 1450.0, 1300.0, 1620.0};
  const double strengths[] = {1.0, 0.7, 0.8, 0.55};
  for (int i = 0; i < 4; ++i) mixInto(out, metalTink(pitches[i], 0.5, 0.4), times[i], strengths[i]);
  return lowpass(out, constant(2600.0));
}

Signal lockAndCreak() {
  // The key turns: three ratchet ticks and the bolt's clunk; then the heavy door creaks open.
  Signal out;
  for (int i = 0; i < 3; ++i) mixInto(out, tick(1700.0 + 150.0 * i, 0.005, 20 + i), 0.06 * i, 0.3);
  Signal clunk = struck(0.3, 300.0, {{1.0, 1.0, 0.07}, {2.13, 0.5, 0.04}, {3.71, 0.3, 0.02}});
  multiply(clunk, rise(0.001));
  fadeEdges(clunk, 0.0, 0.03);
  mixInto(clunk, tick(900.0, 0.01, 24), 0.0, 0.35);
  mixInto(out, clunk, 0.2, 0.3);

  // The creak: stick-slip pulses of the hinge, their rate wandering, ringing in the wood.
  const double length = 0.95;
  Signal pulses =
      impulseTrain(length, segments({{0.0, 48.0}, {0.3, 96.0}, {0.6, 78.0}, {length, 55.0}}), 25);
  Signal creak = bandpass(pulses, constant(620.0), 9.0);
  mixInto(creak, bandpass(pulses, constant(1180.0), 11.0), 0.0, 0.7);
  mixInto(creak, bandpass(pulses, constant(2300.0), 12.0), 0.0, 0.35);
  multiply(creak, segments({{0.0, 0.0}, {0.15, 1.0}, {0.7, 0.8}, {length, 0.0}}));
  // Resonances this narrow hold little energy: the creak is brought up to stand beside the clunk.
  mixInto(out, creak, 0.42, peak(out) / peak(creak));
  // The ticks' noise reaches up to the highest frequencies, where it would peak between samples.
  return lowpass(out, constant(12000.0));
}

}  // namespace dwaalbos::soundgen
