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
  // A peak the loudness would push past the limit is turned down on its own, so the sound keeps
  // its loudness; the limiting itself softens it a little, which a second pass makes up.
  for (int pass = 0; pass < 2; ++pass) {
    scale(sound, gainOf(level.loudnessDb - loudestLoudness(sound, level.windowSeconds)));
    limitPeaks(sound, gainOf(level.peakLimitDb));
  }
  fadeEdges(sound, 0.0005, 0.015);
  return sound;
}

}  // namespace dwaalbos::soundgen
