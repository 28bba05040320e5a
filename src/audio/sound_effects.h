#pragma once

#include <array>
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

  SoundEffects(MixerDevice& device, std::string soundFolder);
  SoundEffects(const SoundEffects&) = delete;
  SoundEffects& operator=(const SoundEffects&) = delete;
  ~SoundEffects();

  void initgeluid();
  void speelgeluid(int n);
  // The effects' level, a gain of 0..1, for every sound from now on.
  void volume(double level);
  // Every other user of the output must have let go of it before this.
  void sluitgeluid();

 private:
  void load(int slot);
  void applyVolume();
  void freeSamples();

  MixerDevice& device_;
  std::string folder_;
  std::array<std::vector<Mix_Chunk*>, kSlots> Geluiden;
  std::array<VariantChoice, kSlots> choice_;
  double level_ = 1.0;
};

}  // namespace dwaalbos
