#pragma once

#include <bitset>
#include <cstddef>
#include <string_view>

#include "play/rules/game_state.h"

namespace dwaalbos {

// How much thought a level asks, beside the length of its shortest solution.
struct LevelQuality {
  // Every position reachable from the start was seen within the limit.
  bool complete = false;
  std::size_t positions = 0;  // reachable positions, as far as they were counted
  // Reachable positions from which the level can no longer be completed; counted only when
  // the exploration was complete.
  std::size_t traps = 0;
  // Positions on the solution where only one move is sensible: a move that changes the game,
  // does not crush the player, does not lead into a trap and does not go back to a position
  // met earlier on the solution. Completing the level counts as a sensible move. When the
  // level is too large to explore whole, a step off the solution counts as a trap only when
  // a bounded search from it finds neither the end nor the solution again.
  std::size_t forced = 0;
  std::size_t solutionMoves = 0;
  // The cells, numbered col - 1 + 12 * (row - 1), where the player or a block stands in some
  // position counted.
  std::bitset<144> playerCells;
  std::bitset<144> blockCells;

  // forced / solutionMoves in whole percents, rounded down; 0 without a solution.
  int forcedPercent() const;
};

// What a measure does when a level has more positions than its limit.
enum class PastTheLimit {
  Estimate,  // the forced share from bounded searches (see `forced`)
  GiveUp,    // nothing more: for a caller that takes no level it cannot count whole
};

// Explores every position reachable from `start` and measures `solution` (L R U D S keys
// that complete the level from `start`, as solve() gives them) against it.
LevelQuality measureQuality(const GameState& start, std::string_view solution,
                            std::size_t positionLimit = 10'000'000,
                            PastTheLimit past = PastTheLimit::Estimate);

// The forced share measureQuality would find at the least, without exploring: every move
// aside is taken to be sensible, as it is in a level without traps.
int forcedPercentAtLeast(const GameState& start, std::string_view solution);

}  // namespace dwaalbos
