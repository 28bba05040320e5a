#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "play/rules/game_state.h"

namespace dwaalbos {

// The moves of one attempt at a level, taken back and played again, and their count. A
// restart is one more step: taking it back returns to the game before it, count and all.
class History {
 public:
  // A move changed the game from `before`: it can be taken back; what was taken back is gone.
  void record(const GameState& before);
  // The level starts again from `before`, the count from 0.
  void restart(const GameState& before);
  // The state before the last step, or nothing; `now` can then be played again.
  std::optional<GameState> undo(const GameState& now);
  // The state after the step last taken back, or nothing.
  std::optional<GameState> redo(const GameState& now);
  // Goes back to the state `steps` steps before the last one (0: the one undo gives) in one
  // step, which undo takes back to `now`.
  GameState rewind(std::size_t steps, const GameState& now);
  // The states undo can go back to, counted from the most recent.
  std::size_t depth() const { return undo_.size(); }
  const GameState& back(std::size_t steps) const { return undo_[undo_.size() - 1 - steps].state; }
  // Nothing to take back or play again any more, and the count at 0.
  void reset();

  // The states this attempt went through to its `moves()` moves, one before each move from
  // the first; nothing when the oldest of them is no longer kept.
  std::optional<std::vector<GameState>> way() const;
  // The steps (for back() and rewind()) of those states, oldest first, as far as they are kept.
  std::vector<std::size_t> waySteps() const;

  int moves() const { return moves_; }
  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }

 private:
  // A long session keeps its most recent moves; the oldest can no longer be taken back.
  static constexpr std::size_t kKept = 20'000;

  struct Entry {
    GameState state;
    int moves = 0;  // the count that goes with it
  };
  void push(const GameState& before, int movesAfter);

  std::deque<Entry> undo_;
  std::deque<Entry> redo_;
  int moves_ = 0;
};

}  // namespace dwaalbos
