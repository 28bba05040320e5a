#pragma once

#include <optional>
#include <vector>

#include "level/board.h"
#include "level/cell_codes.h"
#include "shown.h"

namespace dwaalbos {

// The part of a game that moves change, copied whole: undo keeps it, the solver searches it.
// Pixels, walking frames and everything else on screen are left to the hosts.
struct GameState {
  Board veld;
  int col = 1;  // the player's cell
  int row = 1;
  Direction richting = Direction::None;  // the way he faces
  bool schakelaar = true;                // true red
  int sleutels = 0;

  bool operator==(const GameState&) const = default;
};

// How the last move ended, as far as front ends that search or count need to know.
struct MoveOutcome {
  bool died = false;                 // a pushed block came to rest on the player
  bool endless = false;              // the way circled and the move was refused ("Oneindig")
  bool completed = false;            // the end square was reached
  std::optional<Question> question;  // the move waits for its answer
};

}  // namespace dwaalbos
