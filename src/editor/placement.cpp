#include "placement.h"

#include "level/cell_codes.h"

namespace dwaalbos {

bool hasStart(const Board& veld) {
  for (int col = 1; col < Board::kSide; ++col)
    for (int row = 1; row < Board::kSide; ++row)
      if (veld.at(col, row) == cell::kStart) return true;
  return false;
}

bool placeObject(Board& veld, int col, int row, std::int16_t code) {
  if (code == cell::kStart && hasStart(veld)) return false;
  veld.set(col, row, code);
  return true;
}

}  // namespace dwaalbos
