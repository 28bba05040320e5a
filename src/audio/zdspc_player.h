#pragma once

#include <SDL2/SDL_audio.h>

#include <mutex>
#include <string>
#include <vector>

#include "audio/fade.h"
#include "audio/mixer_device.h"
#include "audio/music_stream.h"

typedef struct Music_Emu Music_Emu;

namespace dwaalbos {

// The SPC player: an emulated sound chip whose output, in the player's own format (channels,
// bits, rate, loudness factor), is converted and fed into the mixer's music stream. The
// calls mirror the player library: initialise, load, play, pause, deinitialise; failures
// answer a code of waveout:: (wave_out_errors.h). A piece loops until it is stopped.
class ZdSpcPlayer {
 public:
  ZdSpcPlayer(MixerDevice& device, MusicStream& stream);
  ZdSpcPlayer(const ZdSpcPlayer&) = delete;
  ZdSpcPlayer& operator=(const ZdSpcPlayer&) = delete;
  ~ZdSpcPlayer();

  // The mode is part of the library's calling convention; this player has one way of output.
  int InitialiseSPC(int mode, long channels, long bits, long frequency, long volumeMultiplier);
  bool LoadSPC(const std::string& path);
  void PlaySPC();  // starts a loaded piece, or continues it after PauseSPC
  void PauseSPC();
  int DeinitialiseSPC(int mode);

 private:
  struct Format {
    int channels = 0;
    int bits = 0;
    int frequency = 0;
    int volumeMultiplier = 0;
  };

  static void SDLCALL hook(void* player, Uint8* stream, int len);
  void fill(Uint8* stream, int len);
  bool convertMore();

  MixerDevice& device_;
  MusicStream& stream_;
  bool initialised_ = false;  // only the caller's thread touches this

  std::mutex mutex_;  // guards everything below against the mixer's thread
  Format format_;
  Music_Emu* emu_ = nullptr;
  SDL_AudioStream* converter_ = nullptr;
  bool playing_ = false;
  Fade fade_;
  // Buffers of the mixer's thread, kept to spare it allocations.
  std::vector<short> emulated_;
  std::vector<Uint8> block_;
  std::vector<Uint8> converted_;
};

}  // namespace dwaalbos
