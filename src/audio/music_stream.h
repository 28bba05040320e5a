#pragma once

#include <atomic>
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

  // The player's music level, a gain of 0..1 that every player applies as it renders.
  void setLevel(double level) { level_ = level; }
  double level() const { return level_; }

 private:
  const void* player_ = nullptr;
  Release release_;
  std::atomic<double> level_{1.0};  // read on the mixer's thread
};

}  // namespace dwaalbos
