#pragma once

#include <string>

#include "cell_codes.h"
#include "doolhof.h"
#include "game_paths.h"
#include "level_sets.h"
#include "progress.h"

namespace dwaalbos {

// The state every window shares: the level being handed around, the working board and the
// player. One object owned by the application and passed to the windows that need it.
struct SharedState {
  explicit SharedState(std::string programFolder) : paths(std::move(programFolder)) {}
  explicit SharedState(GamePaths where) : paths(std::move(where)) {}

  GamePaths paths;
  Doolhof Level;            // the level image read from or written to a file
  Board Veld;               // the working board the editor edits and the game plays on
  LevelSets sets;           // Levelset1 and Levelset2
  int LevelNummer = 0;      // 1..43 a standard level, 0 the file LevelBestand
  std::string LevelBestand;
  bool Testen = false;      // the play window plays the editor's test level
  bool testCompleted = false; // the last test play reached the end square
  bool Opdrachtregel = false;
  Vordering bereikt;        // progress reached this session, whether or not the file took it
  int ManX = 0;             // the player's pixel position
  int ManY = 0;
  Direction Richting = Direction::None;
  int Stap = 0;             // walking frame: source x 0 or 40
  int Kant = 0;             // facing row: source y 0, 40, 80 or 120

  void readLevelSets();
};

}  // namespace dwaalbos
