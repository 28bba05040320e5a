#include "synth/loudness.h"

#include <ebur128.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace dwaalbos::synth {

namespace {

constexpr double kSilence = -70.0;

using Meter = std::unique_ptr<ebur128_state, void (*)(ebur128_state*)>;

Meter meter(unsigned channels, int mode) {
  Meter state(ebur128_init(channels, kRate, mode), [](ebur128_state* s) { ebur128_destroy(&s); });
  if (!state) throw std::runtime_error("libebur128 cannot measure");
  return state;
}

}  // namespace

double loudestLoudness(const Signal& signal, double windowSeconds) {
  const auto window = static_cast<unsigned long>(windowSeconds * 1000.0);
  // Momentary mode keeps the last 400 ms, which covers the window.
  if (window > 400) throw std::runtime_error("libebur128 cannot measure");
  const Meter state = meter(2, EBUR128_MODE_M);
  // The window slides in steps of 5 ms; the sound is followed by silence so its end is measured
  // like its middle.
  Signal padded = signal;
  padded.resize(signal.size() + static_cast<std::size_t>(sampleCount(windowSeconds)), 0.0);
  const std::vector<double> played = inBothChannels(padded);
  const std::size_t hop = static_cast<std::size_t>(sampleCount(0.005));
  double loudest = kSilence;
  for (std::size_t at = 0; at < padded.size(); at += hop) {
    const std::size_t frames = std::min(hop, padded.size() - at);
    ebur128_add_frames_double(state.get(), played.data() + 2 * at, frames);
    double loudness = kSilence;
    if (at + frames >= static_cast<std::size_t>(sampleCount(windowSeconds)) &&
        ebur128_loudness_window(state.get(), window, &loudness) == EBUR128_SUCCESS)
      loudest = std::max(loudest, loudness);
  }
  return loudest;
}

std::vector<double> inBothChannels(const Signal& signal) {
  std::vector<double> both(2 * signal.size());
  for (std::size_t i = 0; i < signal.size(); ++i) both[2 * i] = both[2 * i + 1] = signal[i];
  return both;
}

ProgrammeLoudness programmeLoudness(const std::vector<double>& interleaved, unsigned channels) {
  const Meter state = meter(channels, EBUR128_MODE_I | EBUR128_MODE_S | EBUR128_MODE_TRUE_PEAK);
  const std::size_t frames = interleaved.size() / channels;
  const std::size_t hop = static_cast<std::size_t>(sampleCount(0.1));
  ProgrammeLoudness result{kSilence, kSilence, kSilence};
  for (std::size_t at = 0; at < frames; at += hop) {
    ebur128_add_frames_double(state.get(), interleaved.data() + at * channels,
                              std::min(hop, frames - at));
    double shortTerm = kSilence;
    if (ebur128_loudness_shortterm(state.get(), &shortTerm) == EBUR128_SUCCESS)
      result.maxShortTerm = std::max(result.maxShortTerm, shortTerm);
  }
  ebur128_loudness_global(state.get(), &result.integrated);
  double peak = 0.0;
  for (unsigned channel = 0; channel < channels; ++channel) {
    double channelPeak = 0.0;
    if (ebur128_true_peak(state.get(), channel, &channelPeak) == EBUR128_SUCCESS)
      peak = std::max(peak, channelPeak);
  }
  result.truePeak = decibels(peak);
  return result;
}

std::vector<double> momentaryLoudness(const std::vector<double>& interleaved, unsigned channels) {
  const Meter state = meter(channels, EBUR128_MODE_M);
  const std::size_t frames = interleaved.size() / channels;
  const std::size_t hop = static_cast<std::size_t>(sampleCount(0.1));
  std::vector<double> levels;
  for (std::size_t at = 0; at + hop <= frames; at += hop) {
    ebur128_add_frames_double(state.get(), interleaved.data() + at * channels, hop);
    double loudness = kSilence;
    if (at + hop >= 4 * hop &&
        ebur128_loudness_momentary(state.get(), &loudness) == EBUR128_SUCCESS)
      levels.push_back(std::max(loudness, kSilence));
  }
  return levels;
}

}  // namespace dwaalbos::synth
