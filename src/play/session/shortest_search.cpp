#include "shortest_search.h"

#include <utility>

#include "level/content_key.h"

namespace dwaalbos {

void ShortestSearch::follow(const Game& game, std::function<void()> found) {
  const LevelRef& level = game.level();
  if (level.number != 0 || level.test) return;
  const std::uint64_t key = contentKey(game.play().doolhof());
  if (level.generated) return know(key, {static_cast<int>(level.way.size()), false});
  begin(key, game.play().levelStart(), std::move(found));
}

void ShortestSearch::begin(std::uint64_t key, const GameState& start, std::function<void()> found) {
  if (key == key_ && (known_ || job_.busy())) return;
  key_ = key;
  known_.reset();
  HelpQuestion question;
  question.kind = HelpQuestion::Kind::Shortest;
  question.levelStart = start;
  job_.start(helpWork(std::move(question)), std::move(found));
}

void ShortestSearch::know(std::uint64_t key, Known known) {
  job_.stop();
  key_ = key;
  known_ = known;
}

void ShortestSearch::collect() {
  const std::optional<HelpAnswer> answer = job_.take();
  if (!answer) return;
  known_ = Known{static_cast<int>(answer->moves.size()), answer->kind == HelpAnswer::Kind::TooHard};
}

std::optional<ShortestSearch::Known> ShortestSearch::of(std::uint64_t key) const {
  if (key != key_) return std::nullopt;
  return known_;
}

}  // namespace dwaalbos
