#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "game_state.h"

namespace dwaalbos {

// The moves of one attempt at a level, taken back and played again, and their count.
class History {
 public:
  // A move changed the game from `before`: it can be taken back; what was taken back is gone.
  void record(const GameState& before);
  // The state before the last move, or nothing; `now` can then be played again.
  std::optional<GameState> undo(const GameState& now);
  // The state after the move last taken back, or nothing.
  std::optional<GameState> redo(const GameState& now);
  // Nothing to take back or play again any more; the count stays.
  void forget();
  void reset();

  int moves() const { return moves_; }
  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }

 private:
  // A long session keeps its most recent moves; the oldest can no longer be taken back.
  static constexpr std::size_t kKept = 20'000;

  std::deque<GameState> undo_;
  std::deque<GameState> redo_;
  int moves_ = 0;
};

}  // namespace dwaalbos
