#pragma once

#include <cstdint>

#include "level/board.h"

namespace dwaalbos {

// Whether any cell of the board's play area holds the start square.
bool hasStart(const Board& veld);

// Puts `code` into the cell, replacing what it held. A second start square is refused
// (false) and the board stays as it was; every other object may appear any number of times.
bool placeObject(Board& veld, int col, int row, std::int16_t code);

}  // namespace dwaalbos
