#include "audio/module_songs.h"

#include <SDL2/SDL_mixer.h>

namespace dwaalbos {

namespace {
constexpr int kLoopForever = -1;
}

ModuleSongs::ModuleSongs(MixerDevice& device, MusicStream& stream)
    : device_(device), stream_(stream) {}

ModuleSongs::~ModuleSongs() { release(); }

ModuleSongs::Handle ModuleSongs::speelsong(const std::string& naam) {
  if (!device_.isOpen()) return 0;
  Mix_Music* music = Mix_LoadMUS(naam.c_str());
  if (music == nullptr) return 0;
  const Handle song = next_++;
  songs_[song] = music;
  stream_.take(this, [this] {
    Mix_HaltMusic();
    current_ = 0;
  });
  current_ = song;
  Mix_PlayMusic(music, kLoopForever);
  return song;
}

void ModuleSongs::stopsong(Handle song) {
  const auto found = songs_.find(song);
  if (found == songs_.end()) return;
  if (isCurrent(song)) {
    Mix_HaltMusic();
    stream_.leave(this);
    current_ = 0;
  }
  Mix_FreeMusic(found->second);
  songs_.erase(found);
}

void ModuleSongs::pauzeersong(Handle song) {
  if (!isCurrent(song)) return;
  if (Mix_PausedMusic())
    Mix_ResumeMusic();
  else
    Mix_PauseMusic();
}

void ModuleSongs::release() {
  while (!songs_.empty()) stopsong(songs_.begin()->first);
}

bool ModuleSongs::isCurrent(Handle song) const {
  return song != 0 && song == current_ && stream_.heldBy(this) && device_.isOpen();
}

}  // namespace dwaalbos
