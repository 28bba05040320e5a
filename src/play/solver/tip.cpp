#include "tip.h"

#include "level/cell_codes.h"
#include "solver.h"

namespace dwaalbos {
namespace {

Direction directionOf(GameKey key) {
  switch (key) {
    case GameKey::Left: return Direction::Left;
    case GameKey::Right: return Direction::Right;
    case GameKey::Up: return Direction::Up;
    case GameKey::Down: return Direction::Down;
    default: return Direction::None;
  }
}

Tip stepTo(const GameState& state, char letter) {
  const GameKey key = letterKey(letter);
  const Direction d = directionOf(key);
  return {Tip::Kind::Step, key, state.col + dir::dx(d), state.row + dir::dy(d)};
}

}  // namespace

Tip tipFrom(const GameState& state, const KnownWay& known, std::size_t stateLimit,
            std::stop_token stop) {
  if (!known.moves.empty()) {
    const auto played = placeOnWay(state, known.start, known.moves);
    if (played && *played < known.moves.size()) return stepTo(state, known.moves[*played]);
  }
  const Solution solution = solveGuided(state, stateLimit, stop);
  if (!solution.solvable) return {solution.limitReached ? Tip::Kind::TooHard : Tip::Kind::Lost};
  return stepTo(state, solution.moves.front());
}

}  // namespace dwaalbos
