#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "game.h"
#include "help.h"

namespace dwaalbos {

// The shortest way of a level that is not a standard one (theirs are known beforehand),
// searched beside the game from the moment the level starts, so that its end can set the
// player's moves beside it. One level at a time: the level last begun.
class ShortestSearch {
 public:
  struct Known {
    int moves = 0;          // the fewest moves that complete it; 0 when it cannot be completed
    bool tooLarge = false;  // the search gave up at its cap
  };

  // Follows the level `game` just began: a level that is not standard is searched (a made
  // maze's way came with it); the standard ones' are known beforehand, and a test play's level
  // is still being made.
  void follow(const Game& game, std::function<void()> found);
  // Searches the level of `key` from `start` unless it is the level searched already; `found`
  // runs on the search's thread when the answer can be collected.
  void begin(std::uint64_t key, const GameState& start, std::function<void()> found);
  // A level whose shortest way came with it (a made maze) needs no search.
  void know(std::uint64_t key, Known known);
  // Takes a found answer in; on the thread that begins the searches.
  void collect();
  // What is known of the level of `key`: nothing while it is searched or another was.
  std::optional<Known> of(std::uint64_t key) const;

 private:
  std::uint64_t key_ = 0;
  std::optional<Known> known_;
  HelpJob job_;  // last: its search ends before the rest goes
};

}  // namespace dwaalbos
