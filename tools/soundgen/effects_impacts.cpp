#include <algorithm>
#include <cmath>
#include <numbers>

#include "soundgen/effects.h"
#include "soundgen/sound_parts.h"
#include "synth/envelopes.h"
#include "synth/filters.h"
#include "synth/noise.h"
#include "synth/oscillators.h"

namespace dwaalbos::soundgen {

using namespace synth;

Signal crushed() {
  // The thud: a low drum-like body whose pitch sinks, and the dull noise of the impact.
  Signal thud = sine(0.45, glide(120.0, 42.0, 0.25));
  multiply(thud, strike(0.004, 0.11));
  fadeEdges(thud, 0.0, 0.05);
  Signal body = lowpass(whiteNoise(0.2, 31), constant(280.0));
  multiply(body, strike(0.002, 0.035));
  mixInto(thud, body, 0.0, 1.4);

  // The comic part: a soft, wobbly tone sliding down like a deflating balloon.
  const Curve slide = [](double t) {
    const double base = 520.0 * std::pow(130.0 / 520.0, std::min(t / 0.55, 1.0));
    return base * (1.0 + 0.03 * std::sin(2.0 * std::numbers::pi * 7.0 * t));
  };
  Signal wah = harmonics(0.62, slide, 8, [](int h) { return 1.0 / h; });
  wah = lowpass(wah, constant(1600.0));
  multiply(wah, segments({{0.0, 0.0}, {0.03, 1.0}, {0.42, 0.7}, {0.62, 0.0}}));

  Signal out;
  mixInto(out, thud, 0.0, 1.0);
  mixInto(out, wah, 0.10, 0.35);
  return out;
}

Signal pushKnock() {
  // A wooden knock: a few quickly damped modes of a wooden box and the contact's click. The
  // click sits at 500-1500 Hz, where small speakers still carry the knock the box's body loses.
  Signal knock = struck(
      0.25, 170.0, {{1.0, 1.0, 0.05}, {2.27, 0.55, 0.032}, {3.93, 0.45, 0.022}, {6.1, 0.3, 0.014}});
  multiply(knock, rise(0.0015));
  fadeEdges(knock, 0.0, 0.03);
  scale(knock, 0.28);
  Signal contact = bandpass(whiteNoise(0.06, 47), constant(900.0), 1.0);
  multiply(contact, strike(0.0008, 0.02));
  mixInto(knock, contact, 0.0, 1.0 / peak(contact));
  return lowpass(knock, constant(3500.0));
}

}  // namespace dwaalbos::soundgen
