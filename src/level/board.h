#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

namespace dwaalbos {

// A 13 x 13 board, both indices 0..12; only cells 1..12 x 1..12 take part in the game.
// Column (first index) varies fastest in the flat layout, as in the level file.
class Board {
 public:
  static constexpr int kSide = 13;
  static constexpr int kCells = kSide * kSide;

  static constexpr bool contains(int col, int row) {
    return col >= 0 && col < kSide && row >= 0 && row < kSide;
  }
  static constexpr bool inPlay(int col, int row) {
    return col >= 1 && col < kSide && row >= 1 && row < kSide;
  }

  // Checked access: an index outside 0..12 throws std::out_of_range.
  std::int16_t at(int col, int row) const { return cells_[index(col, row)]; }
  void set(int col, int row, std::int16_t value) { cells_[index(col, row)] = value; }

  const std::array<std::int16_t, kCells>& flat() const { return cells_; }
  std::array<std::int16_t, kCells>& flat() { return cells_; }

  // Copies cells 1..12 x 1..12 only; the index-0 cells of the target keep their values.
  void copyPlayAreaFrom(const Board& other);
  // Every cell with both indices in 1..12 becomes empty.
  void clearPlayArea();

  bool operator==(const Board&) const = default;

 private:
  static int index(int col, int row) {
    if (!contains(col, row)) throw std::out_of_range("board index");
    return col + kSide * row;
  }
  std::array<std::int16_t, kCells> cells_{};
};

}  // namespace dwaalbos
