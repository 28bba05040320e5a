#pragma once

#include <functional>

namespace dwaalbos {

// The mixer has a single music stream: module songs and MIDI pieces play on it and the SPC
// player hooks it. Whoever takes it first stops the player that held it, so two pieces never
// fight over it and each player knows whether a pause or resume still concerns its own piece.
class MusicStream {
 public:
  using Release = std::function<void()>;

  void take(const void* player, Release release);
  void leave(const void* player);
  bool heldBy(const void* player) const { return player_ != nullptr && player_ == player; }

 private:
  const void* player_ = nullptr;
  Release release_;
};

}  // namespace dwaalbos
