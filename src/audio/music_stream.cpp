#include "audio/music_stream.h"

#include <utility>

namespace dwaalbos {

void MusicStream::take(const void* player, Release release) {
  if (player_ != nullptr && player_ != player) {
    Release previous = std::move(release_);
    player_ = nullptr;
    if (previous) previous();
  }
  player_ = player;
  release_ = std::move(release);
}

void MusicStream::leave(const void* player) {
  if (!heldBy(player)) return;
  player_ = nullptr;
  release_ = nullptr;
}

}  // namespace dwaalbos
