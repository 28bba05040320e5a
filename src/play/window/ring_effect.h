#pragma once

#include <vector>

namespace dwaalbos {

// One square copied from the hidden picture to the board: its top-left corner and side.
struct RingBlock {
  int x;
  int y;
  int size;
};

// The blocks of the ring transition (`ringeffect`), one list per step; the board is refreshed
// after each step. An inner ring of 3-pixel blocks grows from the centre while an outer ring
// of 6-pixel blocks shrinks from beyond the corners, until the two together have covered the
// whole picture.
std::vector<std::vector<RingBlock>> ringSteps(int width, int height);

}  // namespace dwaalbos
