#pragma once

#include <array>
#include <atomic>
#include <string>
#include <vector>

#include "audio/mixer_device.h"
#include "audio/variant_choice.h"

struct Mix_Chunk;

namespace dwaalbos {

// The sound effects: samples loaded once into numbered slots and played fire-and-forget.
// A slot may hold variants of its sound (<slot>.wav, <slot>_2.wav, <slot>_3.wav, ...), chosen
// at random but never the same twice in a row, so a sound heard at every step does not repeat
// mechanically. Starting the effects
// starts the sound output itself; closing them closes it.
class SoundEffects {
 public:
  static constexpr int kSlots = 14;
  static constexpr int kMixChannels = 50;

  SoundEffects(MixerDevice& device, std::string soundFolder);
  SoundEffects(const SoundEffects&) = delete;
  SoundEffects& operator=(const SoundEffects&) = delete;
  ~SoundEffects();

  void initgeluid();
  void speelgeluid(int n);
  // The effects' level, a gain of 0..1: sounds that play now glide to it within 20 ms, so a
  // slider moved in a jump does not tick; later ones start at it.
  void volume(double level);
  // Every other user of the output must have let go of it before this.
  void sluitgeluid();

 private:
  void load(int slot);
  void freeSamples();
  static void SDLCALL applyLevel(int channel, void* stream, int len, void* effects);

  MixerDevice& device_;
  std::string folder_;
  std::array<std::vector<Mix_Chunk*>, kSlots> Geluiden;
  std::array<VariantChoice, kSlots> choice_;
  std::atomic<double> level_{1.0};
  double glide_ = 0.0;  // the level's largest change per frame
  // Each channel's level now, on its way to `level_`; the mixer's thread's own.
  std::array<double, kMixChannels> channelLevels_{};
};

}  // namespace dwaalbos
