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
  bool Gestopt = false;         // the game has ended; it is cleaned up after the pass
  bool Opnieuw = false;         // a restart is under way: no introduction, no transition
  bool DirectOpnieuw = false;   // restart at once from inside the move
  bool Gehaald = false;         // the last move reached the end square
  bool Pauze = false;           // another control has the input: keys are not polled
  bool PauzeTitel = false;      // the title shows the pause text
  bool Bewogen = false;         // a move key was accepted in this pass
  bool Meegevoerd = false;      // the player rode over arrows in this move
  bool Doorschuiven = false;    // the ride was accepted: jump to its end after walking
  Direction Looprichting = Direction::None;  // direction of the move being resolved
  Direction NieuweRichting = Direction::None;  // facing after the ride
  int DoelX = 0;                // where the ride ends
  int DoelY = 0;
  Sample NaGeluid = Sample::None; // sample to play after the walk

  std::vector<int> Blokrijen;   // blocks per straight run of a pushed chain; element 0 unused
  int Blokteller = 0;
  Board Schaduwveld;            // the board the trial push walks on
  std::vector<Lijnstuk> Lijnen{Lijnstuk{}};  // the way of this move; element 0 unused
  bool Lijnengetoond = false;

  // The window's copies of the level's texts.
  std::string naam;
  std::string maker;
  std::string commentaar;
};

}  // namespace dwaalbos
