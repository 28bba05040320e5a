#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "compact_state.h"
#include "end_distance.h"

namespace dwaalbos {

// The player's distance to the end (EndDistance) in a packed state, with every block that can
// never move again counted as a wall. A block is stuck for good on a cell where, for each way
// it could be pushed, either nobody can ever push from behind it (a wall, the board's edge or
// an arrow that turns elsewhere there) or something that never leaves stops it in front (a
// wall, a switch, a gate, a start or end square, the unused code, the edge or a circle of
// arrows, directly or at the end of the arrows). No move takes such a block away, so when it
// cuts the player off from every end square the game is lost, however much else can still
// move: the search then need not look further. More walls never make the distance shorter,
// so it still never exceeds the moves really needed.
class EndEstimate {
 public:
  EndEstimate(const GameState& start, const CompactCodec& codec);

  std::uint16_t from(std::span<const std::uint8_t> packed);

 private:
  using Stuck = std::array<std::uint64_t, 3>;  // bits by place in stuckCells_

  const EndDistance& distanceWith(const Stuck& stuck);

  Board board_;  // the start, where walls are added for the stuck blocks
  EndDistance free_;
  std::vector<std::size_t> stuckCells_;   // where a block is stuck, by place in blockCells()
  std::vector<std::uint16_t> flatCells_;  // the same cells in the board's flat layout
  std::map<Stuck, EndDistance> walled_;
};

}  // namespace dwaalbos
