#include "board.h"

namespace dwaalbos {

void Board::copyPlayAreaFrom(const Board& other) {
  for (int c = 1; c < kSide; ++c)
    for (int r = 1; r < kSide; ++r) set(c, r, other.at(c, r));
}

void Board::clearPlayArea() {
  for (int c = 1; c < kSide; ++c)
    for (int r = 1; r < kSide; ++r) set(c, r, 0);
}

}  // namespace dwaalbos
