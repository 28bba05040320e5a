#pragma once

#include <optional>
#include <string>

#include "byte_io.h"

namespace dwaalbos {

// How loud the player wants the music and the sound effects, in percent: 0 mutes, 100 is as
// the game was mixed.
struct Geluidssterkte {
  int muziek = 100;
  int geluid = 100;

  bool operator==(const Geluidssterkte&) const = default;
};

inline constexpr int kMaxVolume = 100;

// The volume file `Volume.dat` among the player's files: the four letters "DWVL", then the
// music's and the effects' percentage as little-endian unsigned 16-bit values, eight bytes in
// all. Nothing is known while the file is absent; a file of another size or start, or with a
// percentage above 100, is damaged and reads as nothing known as well.
std::optional<Geluidssterkte> readVolume(const std::string& path);
WriteResult writeVolume(const std::string& path, const Geluidssterkte& volume);

}  // namespace dwaalbos
