#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

#include "level/board.h"
#include "level/cell_codes.h"

namespace dwaalbos {

// Where whatever enters (col, row) going `d` comes to rest if arrows carry it on, as they carry
// the player and blocks alike: the first cell that is no arrow, (col, row) itself when it is
// none. Nothing when the ride leaves the board or goes round a circle of arrows.
std::optional<std::pair<int, int>> rideEnd(const Board& board, int col, int row, Direction d);

// For every cell and either state of the switch, the fewest moves in which the player could
// reach an end square if no block, key or key block were in his way: never more than he really
// needs, and one move changes it by at most one, so it leads a search to the end without ever
// leading it past a shorter way. Walls, gates, arrows and the switch never move, so the board's
// start is enough; a ride over arrows is the one move it is.
class EndDistance {
 public:
  static constexpr std::uint16_t kNever = UINT16_MAX;  // no end square can be reached

  explicit EndDistance(const Board& board);

  // By the player's cell numbered col - 1 + 12 * (row - 1), as compact states keep it
  // (CompactCodec::playerCell).
  std::uint16_t from(std::size_t cell, bool schakelaar) const {
    return moves_[cell * 2 + (schakelaar ? 1 : 0)];
  }

 private:
  std::array<std::uint16_t, 2 * 144> moves_{};
};

}  // namespace dwaalbos
