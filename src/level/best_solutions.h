#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "byte_io.h"
#include "level_sets.h"
#include "player_file.h"

namespace dwaalbos {

// The best solutions file `Oplossingen.dat` in the player's folder: for each standard level
// the moves of the shortest way the player completed it, to be watched again. Little-endian:
//   4 bytes  the letters "DWOP"
//   2 bytes  version, 1
//   2 bytes  count, how many levels follow (0..43)
//   per level, in rising level order:
//     2 bytes  level number, 1..43
//     2 bytes  length, 1..65535
//     length bytes, each a move letter: L R U D (walk) or S (the switch)
// and nothing after the last. A file that breaks any of this (too short, too long, a number
// out of range or twice, another letter) is damaged: it reads as no solutions, `damaged` says
// so, and it is rewritten whole at the next record.
inline constexpr std::size_t kLongestSolution = UINT16_MAX;

struct BestSolutions {
  std::array<std::string, kLastLevelNumber> moves{};  // empty: none kept
  bool damaged = false;                               // the file was there but could not be trusted

  // The moves kept for a standard level; empty when there are none (or for another number).
  std::string_view of(int levelNumber) const;
};

// Only L R U D S, at least one and at most kLongestSolution.
bool validMoves(std::string_view moves);

BestSolutions decodeBestSolutions(std::span<const std::uint8_t> data);
Bytes encodeBestSolutions(const BestSolutions& solutions);
// A missing file reads as no solutions and is not damaged.
BestSolutions readBestSolutions(const std::string& path);
// Keeps `moves` for the level when none is kept by now or it is shorter than the one kept: the
// write's result then, nothing when there was nothing better to keep (or the number or the
// moves are not valid).
std::optional<WriteResult> recordBestSolution(const PlayerFile& file, int levelNumber,
                                              std::string_view moves);

}  // namespace dwaalbos
