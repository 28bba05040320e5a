#include "player_help.h"

#include <string>

#include "play/rules/move_letters.h"

namespace dwaalbos {

bool PlayerHelp::ask(HelpQuestion::Kind kind, std::function<void()> answered) {
  const LevelPlay& play = game_.play();
  if (!play.gameRunning() || asked_) return false;
  asked_ = Asked{play.gameState(), play.history().depth()};
  job_.start(helpWork(helpQuestion(kind, play, std::string(game_.knownWay()))),
             std::move(answered));
  return true;
}

void PlayerHelp::stop() {
  job_.stop();
  asked_.reset();
}

std::optional<HelpAnswer> PlayerHelp::take() {
  std::optional<HelpAnswer> answer = job_.take();
  if (!answer) return std::nullopt;
  const std::optional<Asked> asked = std::exchange(asked_, std::nullopt);
  const LevelPlay& play = game_.play();
  if (!asked || !play.gameRunning() || play.gameState() != asked->now ||
      play.history().depth() != asked->depth)
    return std::nullopt;
  if (answer->kind == HelpAnswer::Kind::Moves && !game_.replay(keysOf(answer->moves)))
    return std::nullopt;
  return answer;
}

}  // namespace dwaalbos
