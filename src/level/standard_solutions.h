#pragma once

#include <string_view>

namespace dwaalbos {

// The shortest key sequence (L R U D S) that completes standard level `levelNumber` (1..43),
// solved when the game was built; empty for any other number.
std::string_view shortestSolution(int levelNumber);

}  // namespace dwaalbos
