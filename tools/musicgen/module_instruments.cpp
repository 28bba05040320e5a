#include "musicgen/module_instruments.h"

#include <cmath>
#include <numbers>

#include "synth/envelopes.h"
#include "synth/filters.h"
#include "synth/noise.h"
#include "synth/oscillators.h"

namespace dwaalbos::music {

namespace {

using namespace synth;

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A steady tone whose every component repeats after `loopSeconds`, preceded by `attackSeconds`
// of swell: the loop then joins without a seam. `components` are (frequency, amplitude) pairs.
ModuleInstrument sustained(double frequency, double attackSeconds, double loopSeconds,
                           const std::vector<std::pair<double, double>>& components) {
  const double total = attackSeconds + loopSeconds;
  Signal tone = silence(total);
  for (const auto& [f, a] : components) {
    if (f >= 0.45 * kRate) continue;
    for (std::size_t i = 0; i < tone.size(); ++i) tone[i] += a * std::sin(kTwoPi * f * i / kRate);
  }
  multiply(tone, rise(attackSeconds));
  ModuleInstrument instrument;
  instrument.sample = tone;
  instrument.frequency = frequency;
  instrument.loopStart = static_cast<std::size_t>(sampleCount(attackSeconds));
  instrument.loopLength = tone.size() - instrument.loopStart;
  return instrument;
}

void normalise(Signal& signal) { scale(signal, 0.9 / peak(signal)); }

ModuleInstrument flute() {
  // 44100 / 84 = 525 Hz: 210 whole periods make the 0.4 s loop.
  const double f = kRate / 84.0;
  ModuleInstrument flute =
      sustained(f, 0.08, 0.4, {{f, 1.0}, {2 * f, 0.22}, {3 * f, 0.08}, {4 * f, 0.035}});
  Signal chiff = bandpass(whiteNoise(0.08, 3), constant(2600.0), 1.0);
  multiply(chiff, strike(0.01, 0.02));
  mixInto(flute.sample, chiff, 0.0, 0.12);
  normalise(flute.sample);
  flute.envelope = {{0, 64}, {2, 64}, {14, 0}};
  flute.sustainPoint = 1;
  flute.vibratoDepth = 3;
  flute.vibratoRate = 12;
  flute.vibratoSweep = 40;
  return flute;
}

ModuleInstrument clarinet() {
  // Odd harmonics only, as in a stopped pipe; 44100 / 168 = 262.5 Hz.
  const double f = kRate / 168.0;
  ModuleInstrument clarinet = sustained(
      f, 0.06, 0.4,
      {{f, 1.0}, {3 * f, 0.36}, {5 * f, 0.17}, {7 * f, 0.08}, {9 * f, 0.03}, {2 * f, 0.05}});
  normalise(clarinet.sample);
  clarinet.envelope = {{0, 64}, {2, 64}, {14, 0}};
  clarinet.sustainPoint = 1;
  clarinet.vibratoDepth = 2;
  clarinet.vibratoRate = 10;
  clarinet.vibratoSweep = 50;
  return clarinet;
}

ModuleInstrument strings() {
  // Three softened saws 2 Hz apart beat gently; every partial is a multiple of 2 Hz, so the
  // half-second loop repeats exactly.
  std::vector<std::pair<double, double>> components;
  for (double f : {260.0, 262.0, 264.0})
    for (int h = 1; h * f < 9000.0; ++h)
      components.push_back(
          {h * f, 1.0 / std::pow(h, 1.25) / (1.0 + std::pow(h * f / 2200.0, 2.0))});
  ModuleInstrument strings = sustained(262.0, 0.25, 0.5, components);
  normalise(strings.sample);
  strings.envelope = {{0, 64}, {1, 64}, {24, 0}};
  strings.sustainPoint = 1;
  strings.vibratoDepth = 2;
  strings.vibratoRate = 9;
  strings.vibratoSweep = 60;
  return strings;
}

// A plucked string: harmonics that start together and fade, the high ones first.
ModuleInstrument plucked(double frequency, double seconds, int partials, double tilt, double ring) {
  std::vector<Partial> modes;
  for (int h = 1; h <= partials; ++h)
    modes.push_back(
        {static_cast<double>(h), 1.0 / std::pow(h, tilt), ring / (1.0 + 0.7 * (h - 1))});
  ModuleInstrument pluck;
  pluck.sample = struck(seconds, frequency, modes);
  multiply(pluck.sample, rise(0.003));
  fadeEdges(pluck.sample, 0.0, 0.05);
  normalise(pluck.sample);
  pluck.frequency = frequency;
  return pluck;
}

ModuleInstrument harp() {
  ModuleInstrument harp = plucked(261.63, 2.4, 12, 1.4, 1.4);
  harp.envelope = {{0, 64}, {1, 64}, {60, 0}};
  harp.sustainPoint = 1;
  return harp;
}

ModuleInstrument bass() {
  ModuleInstrument bass = plucked(110.0, 2.0, 7, 1.7, 1.4);
  bass.envelope = {{0, 64}, {1, 64}, {16, 0}};
  bass.sustainPoint = 1;
  return bass;
}

// Percussion plays at middle C, which leaves the recording at its own pitch.
ModuleInstrument shaker() {
  ModuleInstrument shaker;
  shaker.sample = highpass(whiteNoise(0.12, 21), constant(4500.0));
  shaker.sample = lowpass(shaker.sample, constant(11000.0));
  multiply(shaker.sample, strike(0.012, 0.03));
  fadeEdges(shaker.sample, 0.0, 0.02);
  normalise(shaker.sample);
  shaker.frequency = 261.63;
  return shaker;
}

ModuleInstrument drum() {
  ModuleInstrument drum;
  drum.sample = sine(0.5, glide(105.0, 68.0, 0.2));
  multiply(drum.sample, strike(0.004, 0.16));
  Signal skin = lowpass(whiteNoise(0.1, 22), constant(900.0));
  multiply(skin, strike(0.002, 0.02));
  mixInto(drum.sample, skin, 0.0, 0.5);
  fadeEdges(drum.sample, 0.0, 0.05);
  normalise(drum.sample);
  drum.frequency = 261.63;
  return drum;
}

}  // namespace

ModuleInstrument moduleInstrument(Instrument instrument) {
  switch (instrument) {
    case Instrument::Flute: return flute();
    case Instrument::Clarinet: return clarinet();
    case Instrument::Strings: return strings();
    case Instrument::Harp: return harp();
    case Instrument::Bass: return bass();
    case Instrument::Shaker: return shaker();
    case Instrument::Drum: return drum();
  }
  return flute();
}

}  // namespace dwaalbos::music
