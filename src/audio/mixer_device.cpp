#include "audio/mixer_device.h"

#include <SDL2/SDL.h>

#include <utility>

namespace dwaalbos {

namespace {

// Small enough that a sound effect starts within about 12 ms of being asked for.
constexpr int kBufferFrames = 512;
// How long nothing must have sounded before the device rests: longer than the pause between
// two steps of a player who walks on.
constexpr double kQuietSeconds = 1.0;

// The id SDL gave the mixer's device, the only audio device the game opens; 0 if none is found.
SDL_AudioDeviceID openedDevice() {
  for (SDL_AudioDeviceID id = 1; id < 64; ++id)
    if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) return id;
  return 0;
}

}  // namespace

MixerDevice::~MixerDevice() { close(); }

bool MixerDevice::open(int frequency, int mixChannels) {
  if (open_) return true;
  // The game ends on SIGTERM and SIGINT itself; SDL's own handlers would swallow them.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  format_ = {frequency, AUDIO_S16SYS, 2};
  mixChannels_ = mixChannels;
  std::lock_guard lock(mutex_);
  if (!openDevice()) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  open_ = true;
  stopping_ = false;
  rester_ = std::thread(&MixerDevice::restWhenQuiet, this);
  return true;
}

void MixerDevice::close() {
  if (!open_) return;
  open_ = false;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  quietened_.notify_one();
  rester_.join();
  std::lock_guard lock(mutex_);
  hook_ = nullptr;
  player_ = nullptr;
  if (running_) closeDevice();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// Only the rate may differ from what is first asked: the music players render 16-bit stereo.
// A device reopened after a rest keeps the format the players and samples were made for.
bool MixerDevice::openDevice() {
  const int changes = open_ ? 0 : SDL_AUDIO_ALLOW_FREQUENCY_CHANGE;
  if (Mix_OpenAudioDevice(format_.frequency, AUDIO_S16SYS, 2, kBufferFrames, nullptr, changes) != 0)
    return false;
  Mix_AllocateChannels(mixChannels_);
  if (!open_) {
    Uint16 format = 0;
    Mix_QuerySpec(&format_.frequency, &format, &format_.channels);
    format_.format = format;
    quietLimit_ = static_cast<long>(kQuietSeconds * format_.frequency);
  }
  id_ = openedDevice();
  running_ = true;
  quietFrames_ = 0;
  Mix_RegisterEffect(MIX_CHANNEL_POST, &MixerDevice::watch, nullptr, this);
  if (hook_ != nullptr) Mix_HookMusic(hook_, player_);
  return true;
}

void MixerDevice::closeDevice() {
  Mix_HaltChannel(-1);
  Mix_HookMusic(nullptr, nullptr);
  Mix_CloseAudio();
  running_ = false;
  id_ = 0;
}

MixerDevice::Awake MixerDevice::wake() {
  std::unique_lock lock(mutex_);
  quietFrames_ = 0;
  if (open_ && !running_) openDevice();
  const bool running = running_;
  return Awake(std::move(lock), running, id_);
}

MixerDevice::Awake MixerDevice::hold() {
  std::unique_lock lock(mutex_);
  const bool running = running_;
  return Awake(std::move(lock), running, id_);
}

void MixerDevice::hookMusic(MusicHook hook, void* player) {
  std::unique_lock lock(mutex_);
  hook_ = hook;
  player_ = player;
  quietFrames_ = 0;
  if (open_ && !running_ && hook != nullptr) openDevice();
  else if (running_) Mix_HookMusic(hook, player);
}

bool MixerDevice::resting() const {
  std::lock_guard lock(mutex_);
  return open_ && !running_;
}

// The device's own thread, which sleeps until the mixer's thread tells of a quiet moment.
void MixerDevice::restWhenQuiet() {
  std::unique_lock lock(mutex_);
  while (true) {
    quietened_.wait(lock, [&] { return stopping_ || (running_ && quietFrames_ >= quietLimit_); });
    if (stopping_) return;
    closeDevice();
  }
}

// After every mix: whether any channel or the music sounded in it.
void SDLCALL MixerDevice::watch(int, void*, int len, void* device) {
  auto& self = *static_cast<MixerDevice*>(device);
  if (Mix_Playing(-1) > 0 || self.heard_.exchange(false)) {
    self.quietFrames_ = 0;
    return;
  }
  if ((self.quietFrames_ += len / 4) >= self.quietLimit_) self.quietened_.notify_one();
}

MixerDevice::Awake::Awake(std::unique_lock<std::mutex> lock, bool running, SDL_AudioDeviceID id)
    : lock_(std::move(lock)), running_(running), id_(id) {
  if (id_ != 0) SDL_LockAudioDevice(id_);
}

MixerDevice::Awake::Awake(Awake&& other) noexcept
    : lock_(std::move(other.lock_)), running_(other.running_), id_(std::exchange(other.id_, 0)) {}

MixerDevice::Awake::~Awake() {
  if (id_ != 0) SDL_UnlockAudioDevice(id_);
}

}  // namespace dwaalbos
