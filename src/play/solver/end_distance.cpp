#include "end_distance.h"

#include <bitset>
#include <optional>
#include <vector>

#include "level/cell_kinds.h"

namespace dwaalbos {
namespace {

std::size_t numbered(int col, int row) {
  return static_cast<std::size_t>(col - 1 + 12 * (row - 1));
}

// Where a move in direction `d` from (col, row) can end: the next cell, or the end of the ride
// when that is an arrow. Nothing when the move always fails: off the board, into a wall or a
// closed gate, or round a circle of arrows.
std::optional<std::size_t> landing(const Board& board, int col, int row, Direction d,
                                   bool schakelaar) {
  const auto end = rideEnd(board, col + dir::dx(d), row + dir::dy(d), d);
  if (!end || !openNow(cellKind(board.at(end->first, end->second)), schakelaar))
    return std::nullopt;
  return numbered(end->first, end->second);
}

}  // namespace

std::optional<std::pair<int, int>> rideEnd(const Board& board, int col, int row, Direction d) {
  std::bitset<Board::kCells * 5> ridden;
  while (Board::inPlay(col, row) && cell::isArrow(board.at(col, row))) {
    const auto at = static_cast<std::size_t>((col + Board::kSide * row) * 5 + static_cast<int>(d));
    if (ridden.test(at)) return std::nullopt;
    ridden.set(at);
    if (board.at(col, row) != cell::kFourWay) d = dir::ofArrow(board.at(col, row));
    col += dir::dx(d);
    row += dir::dy(d);
  }
  if (!Board::inPlay(col, row)) return std::nullopt;
  return std::pair(col, row);
}

// Backwards from the end squares over the moves that lead into each cell and switch state;
// Space on the switch is the move between its two states.
EndDistance::EndDistance(const Board& board) {
  std::array<std::vector<std::size_t>, 2 * 144> into;
  std::vector<std::size_t> reached;
  moves_.fill(kNever);
  for (int row = 1; row <= 12; ++row)
    for (int col = 1; col <= 12; ++col)
      for (const bool schakelaar : {false, true}) {
        const std::size_t from = numbered(col, row) * 2 + (schakelaar ? 1 : 0);
        for (Direction d : {Direction::Left, Direction::Right, Direction::Up, Direction::Down})
          if (const auto to = landing(board, col, row, d, schakelaar))
            into[*to * 2 + (schakelaar ? 1 : 0)].push_back(from);
        if (board.at(col, row) == cell::kSwitch) into[from ^ 1].push_back(from);
        if (board.at(col, row) != cell::kEnd) continue;
        moves_[from] = 0;
        reached.push_back(from);
      }
  for (std::size_t next = 0; next < reached.size(); ++next)
    for (const std::size_t from : into[reached[next]]) {
      if (moves_[from] != kNever) continue;
      moves_[from] = static_cast<std::uint16_t>(moves_[reached[next]] + 1);
      reached.push_back(from);
    }
}

}  // namespace dwaalbos
