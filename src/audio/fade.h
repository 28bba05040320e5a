#pragma once

#include <cstdint>
#include <functional>
#include <mutex>

#include "audio/mixer_device.h"

namespace dwaalbos {

// A short gain ramp laid over a music player's output, so its music never starts or stops in
// one sample, which would tick: pause, resume, stop and a change of tune glide over 20 ms, and
// so does a change of the player's music level. The mixer's thread applies it; the caller's
// thread turns it around, under the player's mutex.
class Fade {
 public:
  void fadeIn(int frequency);
  void fadeOut(int frequency);
  void silence() { gain_ = step_ = 0.0; }
  // Brings `frames` interleaved frames of 16-bit samples along the ramp, and towards `level`
  // (0..1), the player's music level, as quickly.
  void apply(std::int16_t* samples, int frames, int channels, double level);
  bool silent() const { return gain_ <= 0.0 && step_ <= 0.0; }

 private:
  double gain_ = 0.0;
  double step_ = 0.0;  // per frame
  double level_ = 0.0;
  double glide_ = 0.0;  // the level's largest change per frame
};

// Fades the music out, waits a tenth of a second at most until the mixer's thread has played
// the ramp, and unhooks the player, so it is cut off silently and can go safely afterwards.
// `audible`, asked under `mutex`, says whether a fill is rendering at all; without one nothing
// is heard and nothing is waited for.
void fadeOutAndUnhook(MixerDevice& device, std::mutex& mutex, Fade& fade,
                      const std::function<bool()>& audible);

}  // namespace dwaalbos
