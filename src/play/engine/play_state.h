#pragma once

#include <string>
#include <vector>

#include "host.h"
#include "level/board.h"
#include "level/cell_codes.h"
#include "level/options_file.h"

namespace dwaalbos {

// The state of one game in the play window.
struct PlayState {
  bool Opnieuw = false;        // a restart is under way: no introduction, no transition
  bool DirectOpnieuw = false;  // restart at once from inside the move
  bool PauzeTitel = false;     // the title shows the pause text

  // The window's copies of the level's texts.
  std::string naam;
  std::string maker;
  std::string commentaar;
};

}  // namespace dwaalbos
