#pragma once

#include <cstddef>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>

#include "level/doolhof.h"
#include "play/rules/game_state.h"
#include "play/rules/move_letters.h"
#include "play/rules/play_types.h"

namespace dwaalbos {

struct Solution {
  bool solvable = false;
  std::string moves;       // L R U D S, the shortest key sequence that completes the level
  std::size_t states = 0;  // distinct states explored
  std::size_t bytes = 0;   // memory held by the stored states
  // The search stopped at its state limit before it saw every state: unsolvable is then
  // unknown, not proven.
  bool limitReached = false;
};

// Breadth-first search over (board, player cell, switch, keys held), playing every move with
// the real rules; moves that crush the player are not followed. The level is played as a
// file level from its start square. A stop requested through `stop` ends the search within a
// few thousand states, as if its limit were reached.
Solution solve(const Doolhof& level, std::size_t stateLimit = 20'000'000,
               std::stop_token stop = {});

// Where a game stands on a way that completes it from `start`: the number of keys of `moves`
// that lead to `state` (the way it faces aside), or nothing when it is not on that way.
std::optional<std::size_t> placeOnWay(const GameState& state, const GameState& start,
                                      std::string_view moves);
// The same search from a game under way.
Solution solveFrom(const GameState& start, std::size_t stateLimit = 20'000'000,
                   std::stop_token stop = {});
// The same search led towards the end square (A*, by the player's distance to it): as short
// a solution, mostly after far fewer states, though among solutions as short it may pick
// another than solveFrom. A stop ends it as it ends solveFrom.
Solution solveGuided(const GameState& start, std::size_t stateLimit = 20'000'000,
                     std::stop_token stop = {});

}  // namespace dwaalbos
