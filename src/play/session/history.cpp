#include "history.h"

#include <algorithm>

namespace dwaalbos {

void History::push(const GameState& before, int movesAfter) {
  undo_.push_back({before, moves_});
  if (undo_.size() > kKept) undo_.pop_front();
  redo_.clear();
  moves_ = movesAfter;
}

void History::record(const GameState& before) { push(before, moves_ + 1); }

void History::restart(const GameState& before) { push(before, 0); }

std::optional<GameState> History::undo(const GameState& now) {
  if (undo_.empty()) return std::nullopt;
  Entry earlier = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back({now, moves_});
  moves_ = earlier.moves;
  return std::move(earlier.state);
}

std::optional<GameState> History::redo(const GameState& now) {
  if (redo_.empty()) return std::nullopt;
  Entry later = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back({now, moves_});
  moves_ = later.moves;
  return std::move(later.state);
}

GameState History::rewind(std::size_t steps, const GameState& now) {
  const Entry target = undo_[undo_.size() - 1 - steps];
  push(now, target.moves);
  return target.state;
}

// Counts before each move run 0, 1, ... up the stack; a restart or a rewind pushes a step
// with the count it left, below the moves made after it.
std::vector<std::size_t> History::waySteps() const {
  std::vector<std::size_t> steps;
  int wanted = moves_ - 1;
  for (std::size_t step = 0; step < undo_.size() && wanted >= 0; ++step) {
    if (undo_[undo_.size() - 1 - step].moves != wanted) continue;
    steps.push_back(step);
    --wanted;
  }
  std::reverse(steps.begin(), steps.end());
  return steps;
}

std::optional<std::vector<GameState>> History::way() const {
  const std::vector<std::size_t> steps = waySteps();
  if (steps.size() != static_cast<std::size_t>(std::max(moves_, 0))) return std::nullopt;
  std::vector<GameState> states;
  for (const std::size_t step : steps) states.push_back(back(step));
  return states;
}

void History::reset() {
  undo_.clear();
  redo_.clear();
  moves_ = 0;
}

}  // namespace dwaalbos
