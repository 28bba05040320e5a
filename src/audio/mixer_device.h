#pragma once

#include <SDL2/SDL_audio.h>
#include <SDL2/SDL_mixer.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace dwaalbos {

// The format the mixer really opened with; players that produce their own samples convert to it.
struct MixerFormat {
  int frequency = 0;
  SDL_AudioFormat format = 0;
  int channels = 0;
};

// What renders the music stream: SDL_mixer's music hook.
using MusicHook = void(SDLCALL*)(void* player, Uint8* stream, int len);

// The one SDL_mixer output of the game. Opening may fail (no sound card): every user asks
// isOpen() and stays silent then.
//
// An output left running mixes silence all the time, which costs a waiting game its only CPU.
// So once nothing has sounded for a moment the output rests: SDL's device and its thread are
// closed, while the output stays open for its users. Whatever starts a sound wakes it first
// (wake(), hookMusic()); that reopens the device in the format it had, in about a millisecond.
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

  // Makes sure the device runs before a sound is started on it, and holds it running (and the
  // mixer's thread away from its channels) while the returned lock lives.
  class Awake;
  Awake wake();
  // Holds the device as it is, running or resting, while the returned lock lives.
  Awake hold();
  // The music stream's renderer (nullptr for none), kept across rests.
  void hookMusic(MusicHook hook, void* player);
  // Called by a music player's renderer, on the mixer's thread, for every buffer it made
  // audible: music that plays keeps the device awake.
  void heard() { heard_ = true; }
  // Whether SDL's device is closed for a rest.
  bool resting() const;

 private:
  bool openDevice();
  void closeDevice();
  void restWhenQuiet();
  static void SDLCALL watch(int channel, void* stream, int len, void* device);

  bool open_ = false;
  MixerFormat format_;
  int mixChannels_ = 0;

  mutable std::mutex mutex_;  // guards everything below but the atomics
  bool running_ = false;      // SDL's device is open
  SDL_AudioDeviceID id_ = 0;  // SDL's name for it, 0 while resting or unknown
  MusicHook hook_ = nullptr;
  void* player_ = nullptr;
  bool stopping_ = false;
  std::condition_variable quietened_;
  std::thread rester_;

  // The mixer's thread counts the frames mixed since anything last sounded.
  long quietLimit_ = 0;
  std::atomic<long> quietFrames_{0};
  std::atomic<bool> heard_{false};
};

class MixerDevice::Awake {
 public:
  Awake(std::unique_lock<std::mutex> lock, bool running, SDL_AudioDeviceID id);
  Awake(Awake&& other) noexcept;
  Awake& operator=(Awake&&) = delete;
  ~Awake();
  bool running() const { return running_; }

 private:
  std::unique_lock<std::mutex> lock_;
  bool running_;
  SDL_AudioDeviceID id_;
};

}  // namespace dwaalbos
