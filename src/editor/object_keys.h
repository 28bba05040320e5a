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

// The key a cell kind names as its editor key places it (the main keyboard's digits, function
// keys, Delete for the empty cell); a kind not in play is not ready. Keypad digits do nothing;
// Shift and the other modifiers are ignored, also where the layout puts the digits on shifted
// keys.
ObjectKey objectKeyFor(int key, Qt::KeyboardModifiers modifiers, unsigned nativeScanCode);

}  // namespace dwaalbos
