#pragma once

#include <string>
#include <vector>

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

// The player's options that change play; the drawing options stay with the window.
struct PlayOptions {
  bool volglijnen = true;  // the way over arrows is played back as bars
  int Lijnvertraging = 0;  // ms between the bars; the first playback makes 0 into 20
  int Loopvertraging = 0;  // ms between the walking frames
  bool overgang = false;   // a new level appears through the ring transition
};

inline PlayOptions playOptionsOf(const Opties& opties) {
  return {opties.volglijnen, opties.Lijnvertraging, opties.Loopvertraging, opties.overgang};
}

}  // namespace dwaalbos
