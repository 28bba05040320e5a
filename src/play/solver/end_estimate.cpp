#include "end_estimate.h"

#include "level/cell_kinds.h"

namespace dwaalbos {
namespace {

constexpr Direction kWays[] = {Direction::Left, Direction::Right, Direction::Up, Direction::Down};

// A chain that reaches (col, row) going `d` stops there, now and after any move: at the edge,
// round a circle of arrows, or at a fixed cell where the arrows leave it. Keys and key blocks
// can be taken away and blocks pushed on, so those do not count.
bool stopsChainsForGood(const Board& board, int col, int row, Direction d) {
  const auto end = rideEnd(board, col, row, d);
  if (!end) return true;
  return cellKind(board.at(end->first, end->second)).fixed;
}

// The player can push a block going `d` from (col, row): standing there, or riding an arrow
// there that sends him on in `d`.
bool canPushFrom(const Board& board, int col, int row, Direction d) {
  if (!Board::inPlay(col, row)) return false;
  const std::int16_t code = board.at(col, row);
  if (!cell::isArrow(code)) return cellKind(code).passable;
  return code == cell::kFourWay || dir::ofArrow(code) == d;
}

bool stuckForGood(const Board& board, int col, int row) {
  for (const Direction d : kWays) {
    const int dx = dir::dx(d);
    const int dy = dir::dy(d);
    if (canPushFrom(board, col - dx, row - dy, d) &&
        !stopsChainsForGood(board, col + dx, row + dy, d))
      return false;
  }
  return true;
}

}  // namespace

EndEstimate::EndEstimate(const GameState& start, const CompactCodec& codec)
    : board_(start.veld), free_(start.veld) {
  const auto& cells = codec.blockCells();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int col = cells[i] % Board::kSide;
    const int row = cells[i] / Board::kSide;
    if (!stuckForGood(board_, col, row)) continue;
    stuckCells_.push_back(i);
    flatCells_.push_back(cells[i]);
  }
}

std::uint16_t EndEstimate::from(std::span<const std::uint8_t> packed) {
  Stuck stuck{};
  bool any = false;
  for (std::size_t i = 0; i < stuckCells_.size(); ++i)
    if (CompactCodec::hasBlock(packed, stuckCells_[i])) {
      stuck[i / 64] |= 1ull << (i % 64);
      any = true;
    }
  const EndDistance& distance = any ? distanceWith(stuck) : free_;
  return distance.from(CompactCodec::playerCell(packed), CompactCodec::schakelaar(packed));
}

const EndDistance& EndEstimate::distanceWith(const Stuck& stuck) {
  if (const auto known = walled_.find(stuck); known != walled_.end()) return known->second;
  Board walled = board_;
  for (std::size_t i = 0; i < flatCells_.size(); ++i)
    if ((stuck[i / 64] >> (i % 64) & 1) != 0) walled.flat()[flatCells_[i]] = cell::kWall;
  return walled_.emplace(stuck, EndDistance(walled)).first->second;
}

}  // namespace dwaalbos
