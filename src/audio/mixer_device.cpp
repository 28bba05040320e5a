#include "audio/mixer_device.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

namespace dwaalbos {

namespace {

// Small enough that a sound effect starts within about 12 ms of being asked for.
constexpr int kBufferFrames = 512;

}  // namespace

MixerDevice::~MixerDevice() { close(); }

bool MixerDevice::open(int frequency, int mixChannels) {
  if (open_) return true;
  // The game ends on SIGTERM and SIGINT itself; SDL's own handlers would swallow them.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  // Only the rate may differ from what is asked: the music players render 16-bit stereo.
  if (Mix_OpenAudioDevice(frequency, AUDIO_S16SYS, 2, kBufferFrames, nullptr,
                          SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(mixChannels);
  Uint16 format = 0;
  Mix_QuerySpec(&format_.frequency, &format, &format_.channels);
  format_.format = format;
  open_ = true;
  return true;
}

void MixerDevice::close() {
  if (!open_) return;
  open_ = false;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  Mix_HookMusic(nullptr, nullptr);
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace dwaalbos
