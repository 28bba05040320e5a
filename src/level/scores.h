#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "byte_io.h"
#include "level_sets.h"
#include "player_file.h"

namespace dwaalbos {

// The best results file `Scores.dat` in the game folder: the fewest moves that completed each
// standard level. Exactly 90 bytes: the four letters "DWSC", then for levels 1..43 in order one
// little-endian unsigned 16-bit count, 0 for a level not completed yet. A file of any other
// size or start is damaged: it reads as no results and is rewritten whole at the next record.
struct BestResults {
  std::array<std::uint16_t, kLastLevelNumber> moves{};

  // The best of a standard level, 0 when there is none (or the number is not 1..43).
  int of(int levelNumber) const;
};

BestResults readBestResults(const std::string& path);
// Keeps `moves` for the level when it beats the best stored by now: the write's result then,
// nothing when there was no better result to keep.
std::optional<WriteResult> recordBestResult(const PlayerFile& file, int levelNumber, int moves);

}  // namespace dwaalbos
