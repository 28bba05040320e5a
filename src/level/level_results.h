#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "byte_io.h"
#include "player_file.h"

namespace dwaalbos {

// The results file `Resultaten.dat` in the player's folder: for every level that is not a
// standard one (a collection's, a level file's, a generated one's) the fewest moves that
// completed it and the shortest way the player completed it, found by the level's key
// (contentKey), so that a moved or renamed file keeps them. Beside them, which key each
// generated level has, found by what it was made from (its difficulty and number), so that a
// level made once need not be made again to show its result. Little-endian:
//   4 bytes  the letters "DWRE"
//   2 bytes  version, 2 (a file of version 1 ends after its levels)
//   2 bytes  count, how many levels follow (0..kMostKeptLevels)
//   per level, the one whose result changed last at the end:
//     8 bytes  key, each key once
//     2 bytes  best, the fewest moves, 1..65535
//     2 bytes  length of the best solution, 0..kLongestKeptSolution (0: none kept)
//     length bytes, each a move letter: L R U D (walk) or S (the switch)
//   2 bytes  count, how many made levels follow (0..kMostMadeLevels)
//   per made level, in the order they were first kept:
//     8 bytes  what it was made from, not 0, each once
//     8 bytes  its key
// and nothing after the last. A file that breaks any of this is damaged: it reads as no
// results, `damaged` says so, and it is rewritten whole at the next record. A new level when
// the file is full pushes out the one whose result changed longest ago, a new made level the
// one kept first.
inline constexpr std::size_t kMostKeptLevels = 4096;
inline constexpr std::size_t kLongestKeptSolution = 4096;
inline constexpr std::size_t kMostMadeLevels = 512;

struct LevelResult {
  std::uint64_t key = 0;
  std::uint16_t best = 0;
  std::string solution;  // empty: none kept

  bool operator==(const LevelResult&) const = default;
};

// A generated level: `made`, a number that tells what it was made from, and its content key.
struct MadeLevel {
  std::uint64_t made = 0;
  std::uint64_t key = 0;

  bool operator==(const MadeLevel&) const = default;
};

struct LevelResults {
  std::vector<LevelResult> levels;  // oldest change first
  std::vector<MadeLevel> made;      // made longest ago first
  bool damaged = false;             // the file was there but could not be trusted

  // The result kept for the level, or nothing; only of results that outlive the pointer.
  const LevelResult* of(std::uint64_t key) const&;
  const LevelResult* of(std::uint64_t key) const&& = delete;
  // The result kept for the level made from `made`, or nothing.
  const LevelResult* ofMade(std::uint64_t made) const&;
  const LevelResult* ofMade(std::uint64_t made) const&& = delete;
};

LevelResults decodeLevelResults(std::span<const std::uint8_t> data);
Bytes encodeLevelResults(const LevelResults& results);
// A missing file reads as no results and is not damaged.
LevelResults readLevelResults(const std::string& path);
// Keeps `moves` as the level's best when it beats the one kept, and `solution` (its letters,
// empty when not known; one longer than kLongestKeptSolution is not kept) when it is shorter
// than the one kept. The write's result, or nothing when there was nothing better to keep.
std::optional<WriteResult> recordLevelResult(const PlayerFile& file, std::uint64_t key, int moves,
                                             std::string_view solution);
// Keeps that the level made from `made` (not 0) has content key `key`. Nothing when it was
// kept already.
std::optional<WriteResult> recordMadeLevel(const PlayerFile& file, std::uint64_t made,
                                           std::uint64_t key);

}  // namespace dwaalbos
