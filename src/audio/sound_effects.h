#pragma once

#include <array>
#include <string>

#include "audio/mixer_device.h"

struct Mix_Chunk;

namespace dwaalbos {

// The sound effects: samples loaded once into numbered slots and played fire-and-forget.
// Starting the effects starts the sound output itself; closing them closes it.
class SoundEffects {
 public:
  static constexpr int kSlots = 14;

  SoundEffects(MixerDevice& device, std::string soundFolder);
  SoundEffects(const SoundEffects&) = delete;
  SoundEffects& operator=(const SoundEffects&) = delete;
  ~SoundEffects();

  void initgeluid();
  void speelgeluid(int n);
  // Every other user of the output must have let go of it before this.
  void sluitgeluid();

 private:
  void freeSamples();

  MixerDevice& device_;
  std::string folder_;
  std::array<Mix_Chunk*, kSlots> Geluiden{};
};

}  // namespace dwaalbos
