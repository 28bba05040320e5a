#include "audio/mixer_device.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <filesystem>

namespace dwaalbos {

namespace {

// Small enough that a sound effect starts within about 12 ms of being asked for.
constexpr int kBufferFrames = 512;

// Named explicitly: fluidsynth would otherwise pick whatever soundfont the system links as default.
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

void chooseSoundFont() {
  std::error_code error;
  if (std::filesystem::is_regular_file(kSoundFont, error)) Mix_SetSoundFonts(kSoundFont);
}

}  // namespace

MixerDevice::~MixerDevice() { close(); }

bool MixerDevice::open(int frequency, int mixChannels) {
  if (open_) return true;
  // The game ends on SIGTERM and SIGINT itself; SDL's own handlers would swallow them.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudio(frequency, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_Init(MIX_INIT_MOD | MIX_INIT_MID);
  Mix_AllocateChannels(mixChannels);
  chooseSoundFont();
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
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace dwaalbos
