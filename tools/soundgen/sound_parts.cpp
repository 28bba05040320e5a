#include "soundgen/sound_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "synth/envelopes.h"
#include "synth/filters.h"
#include "synth/noise.h"
#include "synth/oscillators.h"

namespace dwaalbos::soundgen {

using namespace synth;

namespace {
// Every part dies away to exactly zero at its end, even where its ringing has not quite.
constexpr double kTailFade = 0.03;
}  // namespace

double noteFrequency(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

Signal malletNote(double frequency, double seconds) {
  Signal note = struck(
      seconds, frequency,
      {{1.0, 1.0, 0.30 * seconds}, {2.0, 0.30, 0.12}, {3.0, 0.12, 0.07}, {4.16, 0.10, 0.03}});
  multiply(note, rise(0.002));
  fadeEdges(note, 0.0, kTailFade);
  return note;
}

Signal brassNote(double frequency, double seconds) {
  const double release = 0.12;
  const Curve vibrato = [frequency](double t) {
    const double depth = std::min(1.0, t / 0.4) * 0.004;
    return frequency * (1.0 + depth * std::sin(2.0 * std::numbers::pi * 5.5 * t));
  };
  Signal note =
      harmonics(seconds + release, vibrato, 14, [](int h) { return 1.0 / std::pow(h, 1.1); });
  note = lowpass(
      note, segments({{0.0, frequency * 1.5}, {0.05, frequency * 5.0}, {0.3, frequency * 3.5}}),
      0.9);
  // Long notes settle after the attack's push; short ones are all push.
  multiply(
      note,
      seconds > 0.12
          ? segments(
                {{0.0, 0.0}, {0.018, 1.0}, {0.09, 0.82}, {seconds, 0.72}, {seconds + release, 0.0}})
          : segments({{0.0, 0.0}, {0.018, 1.0}, {seconds, 0.85}, {seconds + release, 0.0}}));
  return note;
}

Signal metalTink(double frequency, double seconds, double brightness) {
  Signal tink = struck(seconds, frequency,
                       {{1.0, 1.0, 0.22},
                        {2.32, 0.55 * brightness, 0.11},
                        {4.25, 0.30 * brightness, 0.05},
                        {6.63, 0.18 * brightness, 0.025}});
  multiply(tink, rise(0.0008));
  fadeEdges(tink, 0.0, kTailFade);
  return tink;
}

Signal tick(double pingFrequency, double decaySeconds, unsigned seed) {
  Signal burst = highpass(whiteNoise(decaySeconds * 6, seed), constant(1500.0));
  multiply(burst, strike(0.0003, decaySeconds * 0.35));
  Signal ping = struck(decaySeconds * 6, pingFrequency,
                       {{1.0, 0.8, decaySeconds}, {1.83, 0.4, decaySeconds * 0.6}});
  multiply(ping, rise(0.0003));
  mixInto(burst, ping, 0.0);
  fadeEdges(burst, 0.0, kTailFade);
  return burst;
}

Signal impulseTrain(double seconds, const Curve& rate, unsigned seed) {
  Noise noise(seed);
  Signal out = silence(seconds);
  double phase = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    phase += rate(static_cast<double>(i) / kRate) / kRate;
    if (phase >= 1.0) {
      phase -= 1.0;
      out[i] = 0.6 + 0.4 * noise.unit();
    }
  }
  return out;
}

}  // namespace dwaalbos::soundgen
