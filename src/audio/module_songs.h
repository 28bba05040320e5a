#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "audio/mixer_device.h"
#include "audio/music_stream.h"

typedef struct _Mix_Music Mix_Music;

namespace dwaalbos {

// The song player of the sound library: a song is loaded and started in one call and then
// named by its handle. Handle 0 means "could not be loaded"; calls with it, or with a handle
// already stopped, are refused quietly.
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
  bool isCurrent(Handle song) const;

  MixerDevice& device_;
  MusicStream& stream_;
  std::map<Handle, Mix_Music*> songs_;
  Handle next_ = 1;
  Handle current_ = 0;
};

}  // namespace dwaalbos
