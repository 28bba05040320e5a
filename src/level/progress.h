#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "byte_io.h"

namespace dwaalbos {

// The progress file (`Vordering`): the highest playable level of each standard set, two
// little-endian int16 values. Its odd name hides it among the sound files.
struct Vordering {
  std::int16_t P1 = 1;  // first set, 1..23
  std::int16_t P2 = 1;  // second set, 1..20
};

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

// Writes P1 at offset 0; the second value stays as it is.
WriteResult writeFirstSetProgress(const std::string& path, std::int16_t p1);
// Writes P2 at offset 2 behind the first value, which is kept byte for byte (1 when the file
// holds none).
WriteResult writeSecondSetProgress(const std::string& path, std::int16_t p2);

// What the level chooser does on every opening: create the file with 1 and 1 when it is
// missing, rewrite a stored 24 as 23 and 21 as 20, and answer the values to list, clamped.
Vordering openProgressForChooser(const std::string& path);

}  // namespace dwaalbos
