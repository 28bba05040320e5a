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

HelpAnswer shortest(const HelpQuestion& question, std::stop_token stop) {
  Solution found = solveGuided(question.levelStart, kShortestStates, stop);
  if (stop.stop_requested()) return {};
  if (found.limitReached) return answered(HelpAnswer::Kind::TooHard);
  if (!found.solvable) return answered(HelpAnswer::Kind::Lost);
  HelpAnswer answer = answered(HelpAnswer::Kind::Moves);
  answer.moves = std::move(found.moves);
  return answer;
}

}  // namespace

HelpQuestion helpQuestion(HelpQuestion::Kind kind, const LevelPlay& play, std::string known) {
  HelpQuestion question{kind, play.gameState(), play.levelStart(), std::move(known), {}, {}};
  question.steps = play.history().waySteps();
  for (const std::size_t step : question.steps) question.way.push_back(play.history().back(step));
  return question;
}

HelpAnswer answerHelp(const HelpQuestion& question, std::stop_token stop) {
  switch (question.kind) {
    case HelpQuestion::Kind::Tip: return tip(question, stop);
    case HelpQuestion::Kind::Solution: return solution(question, stop);
    case HelpQuestion::Kind::Shortest: break;
  }
  return shortest(question, stop);
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

HelpJob::Work helpWork(HelpQuestion question) {
  return
      [question = std::move(question)](std::stop_token stop) { return answerHelp(question, stop); };
}

}  // namespace dwaalbos
