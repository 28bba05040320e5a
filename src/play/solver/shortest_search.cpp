#include "shortest_search.h"

#include <utility>

namespace dwaalbos {

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
