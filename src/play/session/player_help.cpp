#include "player_help.h"

#include <string>

#include "play/rules/move_letters.h"

namespace dwaalbos {

bool PlayerHelp::ask(HelpQuestion::Kind kind, std::function<void()> answered) {
  if (!engine_.gameRunning() || asked_) return false;
  asked_ = Asked{engine_.gameState(), engine_.history().depth()};
  job_.start(helpWork(helpQuestion(kind, engine_, std::string(engine_.knownWay()))),
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
  if (!asked || !engine_.gameRunning() || engine_.gameState() != asked->now ||
      engine_.history().depth() != asked->depth)
    return std::nullopt;
  if (answer->kind == HelpAnswer::Kind::Moves && !engine_.replay(keysOf(answer->moves)))
    return std::nullopt;
  return answer;
}

}  // namespace dwaalbos
