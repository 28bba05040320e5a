#include "tip.h"

#include "level/cell_codes.h"
#include "solver.h"

namespace dwaalbos {
namespace {

int directionOf(GameKey key) {
  switch (key) {
    case GameKey::Left: return dir::kLeft;
    case GameKey::Right: return dir::kRight;
    case GameKey::Up: return dir::kUp;
    case GameKey::Down: return dir::kDown;
    default: return 0;
  }
}

Tip stepTo(const GameState& state, char letter) {
  const GameKey key = letterKey(letter);
  const int d = directionOf(key);
  return {Tip::Kind::Step, key, state.col + dir::dx(d), state.row + dir::dy(d)};
}

}  // namespace

Tip tipFrom(const GameState& state, const KnownWay& known, std::size_t stateLimit) {
  if (!known.moves.empty()) {
    const auto played = placeOnWay(state, known.start, known.moves);
    if (played && *played < known.moves.size()) return stepTo(state, known.moves[*played]);
  }
  const Solution solution = solveFrom(state, stateLimit);
  if (!solution.solvable) {
    return {solution.states < stateLimit ? Tip::Kind::Lost : Tip::Kind::TooHard};
  }
  return stepTo(state, solution.moves.front());
}

}  // namespace dwaalbos
