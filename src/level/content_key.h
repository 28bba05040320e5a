#pragma once

#include <cstdint>

#include "doolhof.h"

namespace dwaalbos {

// What a level is, whatever file holds it: a 64-bit FNV-1a hash over its record as a file
// stores it, with the unplayed index-0 cells left out. Equal levels have equal keys wherever
// they lie or however their file is named; any change of a cell or a text changes the key.
std::uint64_t contentKey(const Doolhof& level);

}  // namespace dwaalbos
