#include "tip.h"

#include "level/cell_codes.h"
#include "solver.h"

namespace dwaalbos {
namespace {

GameKey keyOf(char letter) {
  switch (letter) {
    case 'L': return GameKey::Left;
    case 'R': return GameKey::Right;
    case 'U': return GameKey::Up;
    case 'D': return GameKey::Down;
    default: return GameKey::Space;
  }
}

int directionOf(GameKey key) {
  switch (key) {
    case GameKey::Left: return dir::kLeft;
    case GameKey::Right: return dir::kRight;
    case GameKey::Up: return dir::kUp;
    case GameKey::Down: return dir::kDown;
    default: return 0;
  }
}

}  // namespace

Tip tipFrom(const GameState& state, std::size_t stateLimit) {
  const Solution solution = solveFrom(state, stateLimit);
  if (!solution.solvable) {
    return {solution.states < stateLimit ? Tip::Kind::Lost : Tip::Kind::TooHard};
  }
  const GameKey key = keyOf(solution.moves.front());
  const int d = directionOf(key);
  return {Tip::Kind::Step, key, state.col + dir::dx(d), state.row + dir::dy(d)};
}

}  // namespace dwaalbos
