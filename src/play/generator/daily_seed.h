#pragma once

#include <chrono>
#include <cstdint>

#include "difficulty.h"

namespace dwaalbos {

// The seed of the puzzle of the day: the same for every player on the same local calendar
// date, another for each difficulty and each day; 1..kLargestSeed.
std::uint32_t dailySeed(std::chrono::year_month_day date, Difficulty difficulty);

}  // namespace dwaalbos
