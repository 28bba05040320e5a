#pragma once

#include <cstdint>

#include "doolhof.h"

namespace dwaalbos {

// What a level is, whatever file holds it: a 64-bit FNV-1a hash over its record as a file
// stores it, with the unplayed index-0 cells left out. Equal levels have equal keys wherever
// they lie or however their file is named; any change of a cell or a text changes the key.
std::uint64_t contentKey(const Doolhof& level);

// The key of the level the generator makes from `difficulty` and `seed`, which always make the
// same level: the same FNV-1a hash over the nine letters "generated", then `difficulty` as 4
// and `seed` as 8 little-endian bytes. No level record is that short, so it never meets the
// key of a level read from a file by anything but chance.
std::uint64_t generatedKey(int difficulty, std::uint64_t seed);

}  // namespace dwaalbos
