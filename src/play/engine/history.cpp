#include "history.h"

namespace dwaalbos {

void History::record(const GameState& before) {
  undo_.push_back(before);
  if (undo_.size() > kKept) undo_.pop_front();
  redo_.clear();
  ++moves_;
}

std::optional<GameState> History::undo(const GameState& now) {
  if (undo_.empty()) return std::nullopt;
  GameState earlier = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back(now);
  --moves_;
  return earlier;
}

std::optional<GameState> History::redo(const GameState& now) {
  if (redo_.empty()) return std::nullopt;
  GameState later = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back(now);
  ++moves_;
  return later;
}

void History::forget() {
  undo_.clear();
  redo_.clear();
}

void History::reset() {
  forget();
  moves_ = 0;
}

}  // namespace dwaalbos
