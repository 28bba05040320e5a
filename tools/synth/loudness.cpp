#include "synth/loudness.h"

#include <ebur128.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace dwaalbos::synth {

namespace {
constexpr double kSilence = -70.0;
}

double loudestLoudness(const Signal& signal, double windowSeconds) {
  const auto window = static_cast<unsigned long>(windowSeconds * 1000.0);
  std::unique_ptr<ebur128_state, void (*)(ebur128_state*)> state(
      ebur128_init(1, kRate, EBUR128_MODE_M), [](ebur128_state* s) { ebur128_destroy(&s); });
  // Momentary mode keeps the last 400 ms, which covers the window.
  if (!state || window > 400) throw std::runtime_error("libebur128 cannot measure");
  // The window slides in steps of 5 ms; the sound is followed by silence so its end is measured
  // like its middle.
  Signal padded = signal;
  padded.resize(signal.size() + static_cast<std::size_t>(sampleCount(windowSeconds)), 0.0);
  const std::size_t hop = static_cast<std::size_t>(sampleCount(0.005));
  double loudest = kSilence;
  for (std::size_t at = 0; at < padded.size(); at += hop) {
    const std::size_t frames = std::min(hop, padded.size() - at);
    ebur128_add_frames_double(state.get(), padded.data() + at, frames);
    double loudness = kSilence;
    if (at + frames >= static_cast<std::size_t>(sampleCount(windowSeconds)) &&
        ebur128_loudness_window(state.get(), window, &loudness) == EBUR128_SUCCESS)
      loudest = std::max(loudest, loudness);
  }
  return loudest;
}

}  // namespace dwaalbos::synth
