#pragma once

#include <SDL2/SDL_stdinc.h>

#include <cstdint>
#include <future>
#include <map>
#include <mutex>
#include <string>

#include "audio/fade.h"
#include "audio/mixer_device.h"
#include "audio/music_stream.h"

typedef struct openmpt_module openmpt_module;

namespace dwaalbos {

// The song player of the sound library: a song is loaded and started in one call and then
// named by its handle. Handle 0 means "could not be loaded"; calls with it, or with a handle
// already stopped, are refused quietly. Songs are rendered by libopenmpt into the mixer's music
// stream and repeat seamlessly until they are stopped. A file is recognised at once but read
// into a song on a thread of its own, so the caller never waits for it; the song sounds as soon
// as it is ready, a few milliseconds later.
class ModuleSongs {
 public:
  using Handle = std::int32_t;

  ModuleSongs(MixerDevice& device, MusicStream& stream);
  ModuleSongs(const ModuleSongs&) = delete;
  ModuleSongs& operator=(const ModuleSongs&) = delete;
  ~ModuleSongs();

  Handle speelsong(const std::string& naam);
  void stopsong(Handle song);
  // Pauses a playing song and resumes a paused one.
  void pauzeersong(Handle song);

  // Frees every song; the output is about to close.
  void release();

 private:
  static void SDLCALL hook(void* songs, Uint8* stream, int len);
  void fill(Uint8* stream, int len);
  void halt();
  bool isCurrent(Handle song) const;

  MixerDevice& device_;
  MusicStream& stream_;
  std::map<Handle, std::shared_future<openmpt_module*>> songs_;
  Handle next_ = 1;
  Handle current_ = 0;

  std::mutex mutex_;  // guards the four below against the mixer's thread
  std::shared_future<openmpt_module*> loading_;
  openmpt_module* playing_ = nullptr;
  bool paused_ = false;
  Fade fade_;
};

}  // namespace dwaalbos
