#include "help.h"

#include <utility>

#include "play/solver/solver.h"

namespace dwaalbos {
namespace {

HelpAnswer answered(HelpAnswer::Kind kind) {
  HelpAnswer answer;
  answer.kind = kind;
  return answer;
}

// A lost game goes back to the last position of its attempt that can still be won.
HelpAnswer wayBack(const HelpQuestion& question, std::stop_token stop) {
  const auto found = lastWinnable(question.way, [&stop](const GameState& game) {
    return !stop.stop_requested() && solveGuided(game, kTipStates, stop).solvable;
  });
  if (stop.stop_requested()) return {};
  if (!found) return answered(HelpAnswer::Kind::Lost);
  HelpAnswer answer = answered(HelpAnswer::Kind::WayBack);
  answer.steps = question.steps[*found];
  return answer;
}

HelpAnswer tip(const HelpQuestion& question, std::stop_token stop) {
  HelpAnswer answer = answered(HelpAnswer::Kind::Tip);
  answer.tip = tipFrom(question.now, {question.levelStart, question.known}, kTipStates, stop);
  if (stop.stop_requested()) return {};
  if (answer.tip.kind == Tip::Kind::Lost) return wayBack(question, stop);
  if (answer.tip.kind == Tip::Kind::TooHard) return answered(HelpAnswer::Kind::TooHard);
  return answer;
}

// A standard level's known way serves while the player is on it.
HelpAnswer solution(const HelpQuestion& question, std::stop_token stop) {
  HelpAnswer answer = answered(HelpAnswer::Kind::Moves);
  if (!question.known.empty()) {
    if (const auto played = placeOnWay(question.now, question.levelStart, question.known)) {
      answer.moves = question.known.substr(*played);
      return answer;
    }
  }
  Solution found = solveGuided(question.now, kTipStates, stop);
  if (stop.stop_requested()) return {};
  if (found.limitReached) return answered(HelpAnswer::Kind::TooHard);
  if (!found.solvable) return wayBack(question, stop);
  answer.moves = std::move(found.moves);
  return answer;
}

}  // namespace

HelpQuestion helpQuestion(HelpQuestion::Kind kind, const Engine& engine, std::string known) {
  HelpQuestion question{kind, engine.gameState(), engine.levelStart(), std::move(known), {}, {}};
  question.steps = engine.history().waySteps();
  for (const std::size_t step : question.steps) question.way.push_back(engine.history().back(step));
  return question;
}

HelpAnswer answerHelp(const HelpQuestion& question, std::stop_token stop) {
  return question.kind == HelpQuestion::Kind::Tip ? tip(question, stop) : solution(question, stop);
}

std::optional<std::size_t> lastWinnable(std::span<const GameState> way,
                                        const std::function<bool(const GameState&)>& winnable) {
  if (way.empty() || !winnable(way.front())) return std::nullopt;
  std::size_t won = 0;            // can still be won from here
  std::size_t lost = way.size();  // cannot from here on (the game as it stands, past the end)
  while (lost - won > 1) {
    const std::size_t middle = won + (lost - won) / 2;
    (winnable(way[middle]) ? won : lost) = middle;
  }
  return won;
}

void HelpJob::start(HelpQuestion question, std::function<void()> done) {
  stop();
  {
    const std::lock_guard lock(mutex_);
    busy_ = true;
  }
  worker_ = std::jthread(
      [this, question = std::move(question), done = std::move(done)](std::stop_token stop) {
        HelpAnswer answer = answerHelp(question, stop);
        {
          const std::lock_guard lock(mutex_);
          busy_ = false;
          if (stop.stop_requested()) return;
          answer_ = std::move(answer);
        }
        done();
      });
}

// An answer that came just before the stop is dropped too.
void HelpJob::stop() {
  if (worker_.joinable()) {
    worker_.request_stop();
    worker_.join();
  }
  const std::lock_guard lock(mutex_);
  busy_ = false;
  answer_.reset();
}

bool HelpJob::busy() const {
  const std::lock_guard lock(mutex_);
  return busy_;
}

std::optional<HelpAnswer> HelpJob::take() {
  const std::lock_guard lock(mutex_);
  return std::exchange(answer_, std::nullopt);
}

}  // namespace dwaalbos
