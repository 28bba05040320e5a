#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "level/doolhof.h"
#include "play/engine/game_state.h"

namespace dwaalbos {

struct Solution {
  bool solvable = false;
  std::string moves;       // L R U D S, the shortest key sequence that completes the level
  std::size_t states = 0;  // distinct states explored
  std::size_t bytes = 0;   // memory held by the stored states
};

// Breadth-first search over (board, player cell, switch, keys held), playing every move with
// the real engine; moves that crush the player are not followed. The level is played as a
// file level from its start square.
Solution solve(const Doolhof& level, std::size_t stateLimit = 20'000'000);
// The same search from a game under way.
Solution solveFrom(const GameState& start, std::size_t stateLimit = 20'000'000);

}  // namespace dwaalbos
