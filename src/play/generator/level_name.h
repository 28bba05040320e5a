#pragma once

#include <cstdint>
#include <string>

#include "difficulty.h"

namespace dwaalbos {

// A Dutch name for a place in the forest, "Varenhol" or "Mossige Laan", the same for the same
// difficulty and seed.
std::string levelName(Difficulty difficulty, std::uint32_t seed);

}  // namespace dwaalbos
