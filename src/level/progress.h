#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "byte_io.h"
#include "player_file.h"

namespace dwaalbos {

// The progress file (`Vordering`): the highest playable level of each standard set, two
// little-endian int16 values, 4 bytes. Its odd name hides it among the sound files.
struct Vordering {
  std::int16_t P1 = 1;  // first set, 1..23
  std::int16_t P2 = 1;  // second set, 1..20
};

inline constexpr std::size_t kProgressBytes = 4;

// The two values as stored; a value the data is too short to hold reads as 0.
Vordering decodeProgress(std::span<const std::uint8_t> data);
// Nothing when the file does not exist or cannot be read.
std::optional<Vordering> readProgress(const std::string& path);

// The higher value of each set: progress reached in this session counts even when the file
// could not be written.
Vordering furthest(Vordering a, Vordering b);

// Values a hand-edited file may hold are brought into 1..23 and 1..20.
std::int16_t clampFirstSet(std::int16_t p1);
std::int16_t clampSecondSet(std::int16_t p2);

// Opens level `next` of one set: the file, as read under its lock, gets `next` for that set
// unless it holds a higher value, and keeps the other set's value byte for byte (1 when it
// holds none). Both values are always written, and nothing after them.
WriteResult openLevel(const PlayerFile& file, bool secondSet, std::int16_t next);

// What the level chooser does on every opening: create the file with 1 and 1 when it is
// missing, rewrite a stored 24 as 23 and 21 as 20, and answer the values to list, clamped.
Vordering openProgressForChooser(const PlayerFile& file);

}  // namespace dwaalbos
