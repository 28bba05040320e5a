#pragma once

#include <cstdint>

#include <Qt>

namespace dwaalbos {

// What a key does on the editor's board.
struct ObjectKey {
  enum class Kind { Nothing, Place, NotReady };
  Kind kind = Kind::Nothing;
  std::int16_t code = 0;  // the cell code to place, for Place
};

// Digits 1..9 of the main keyboard place objects 1..9, F2..F6 the arrows 11..15, Delete
// empties the cell, F1 (code 10) is not ready. Keypad digits do nothing; Shift and the other
// modifiers are ignored, also where the layout puts the digits on shifted keys.
ObjectKey objectKeyFor(int key, Qt::KeyboardModifiers modifiers, unsigned nativeScanCode);

}  // namespace dwaalbos
