#pragma once

#include <SDL2/SDL_audio.h>

namespace dwaalbos {

// The format the mixer really opened with; players that produce their own samples convert to it.
struct MixerFormat {
  int frequency = 0;
  SDL_AudioFormat format = 0;
  int channels = 0;
};

// The one SDL_mixer output of the game. Opening may fail (no sound card): every user asks
// isOpen() and stays silent then.
class MixerDevice {
 public:
  MixerDevice() = default;
  MixerDevice(const MixerDevice&) = delete;
  MixerDevice& operator=(const MixerDevice&) = delete;
  ~MixerDevice();

  bool open(int frequency, int mixChannels);
  void close();
  bool isOpen() const { return open_; }
  const MixerFormat& format() const { return format_; }

 private:
  bool open_ = false;
  MixerFormat format_;
};

}  // namespace dwaalbos
