#include "soundgen/levels.h"

#include <algorithm>
#include <cmath>

#include "synth/filters.h"
#include "synth/loudness.h"

namespace dwaalbos::soundgen {

using namespace synth;

namespace {

// Everything after the last sample within 60 dB of the peak is silence to the ear.
void cutSilentTail(Signal& sound) {
  const double floor = peak(sound) * gainOf(-60.0);
  auto last =
      std::find_if(sound.rbegin(), sound.rend(), [floor](double s) { return std::abs(s) > floor; });
  const auto keep =
      static_cast<std::size_t>(sound.rend() - last) + static_cast<std::size_t>(sampleCount(0.01));
  sound.resize(std::min(sound.size(), keep));
}

}  // namespace

Signal finished(Signal sound, const Level& level) {
  removeDc(sound);
  cutSilentTail(sound);
  const double target = gainOf(level.loudnessDb - loudestLoudness(sound, level.windowSeconds));
  scale(sound, std::min(target, gainOf(level.peakLimitDb) / peak(sound)));
  fadeEdges(sound, 0.0005, 0.015);
  return sound;
}

}  // namespace dwaalbos::soundgen
