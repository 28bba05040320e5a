#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "play/rules/game_state.h"

namespace dwaalbos {

// A game as only what can change from a given start: for each cell a block can reach whether
// one stands on it, for each key, key block or odd code whether it was emptied; the player's
// cell, the switch and the keys held. Walls, gates, arrows, the switch, start and end never
// change, so they are left out: a search stores a few dozen bytes a state, not the board.
// The facing is left out too: the next key sets it before the rules look at it.
class CompactCodec {
 public:
  explicit CompactCodec(const GameState& start);

  std::size_t bytes() const { return bytes_; }
  // The player's cell, numbered col - 1 + 12 * (row - 1), and the switch of a packed state.
  static std::size_t playerCell(std::span<const std::uint8_t> in) { return in[0]; }
  static bool schakelaar(std::span<const std::uint8_t> in) { return in[1] != 0; }
  // The cells a block can stand on, in the board's flat layout; `hasBlock` tells whether the
  // packed state has one on the i-th of them.
  const std::vector<std::uint16_t>& blockCells() const { return blockCells_; }
  static bool hasBlock(std::span<const std::uint8_t> in, std::size_t i) {
    return (in[kRestBytes + i / 8] >> (i % 8) & 1) != 0;
  }
  void pack(const GameState& state, std::span<std::uint8_t> out) const;
  // Packs `state` whose board is that of the packed `same`: only the rest is written again.
  void packSameBoard(const GameState& state, std::span<const std::uint8_t> same,
                     std::span<std::uint8_t> out) const;
  // Writes the changing cells, the player, switch and keys into `state`, whose other cells
  // must be those of the start.
  void unpack(std::span<const std::uint8_t> in, GameState& state) const;

 private:
  // The player's cell, the switch and the keys come first, a byte each; the board's bits after.
  static constexpr std::size_t kRestBytes = 3;

  struct Clearable {
    std::uint16_t index;  // in the board's flat layout
    std::int16_t start;   // a key, a key block or an odd code
  };

  void packRest(const GameState& state, std::span<std::uint8_t> out) const;

  Board empty_;                            // the start board without its blocks
  std::vector<std::uint16_t> blockCells_;  // where a block can stand: one bit each
  std::vector<Clearable> clearable_;       // what can be emptied: one bit each
  std::size_t bytes_ = 0;
};

}  // namespace dwaalbos
