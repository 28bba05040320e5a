#pragma once

#include <string>

#include "cell_codes.h"
#include "doolhof.h"
#include "game_paths.h"
#include "level_sets.h"
#include "progress.h"

namespace dwaalbos {

// The state every window shares: the level sets, where files live, the editor's level and
// working board, and the test play's hand-over. The play engine reads its level itself.
// One object owned by the application and passed to the windows that need it.
struct SharedState {
  explicit SharedState(std::string programFolder) : paths(std::move(programFolder)) {}
  explicit SharedState(GamePaths where) : paths(std::move(where)) {}

  GamePaths paths;
  Doolhof Level;            // the level the editor reads and writes
  Board Veld;               // the working board the editor edits and the game plays on
  LevelSets sets;           // Levelset1 and Levelset2
  bool Testen = false;      // the play window plays the editor's test level
  bool testCompleted = false; // the last test play reached the end square
  bool Opdrachtregel = false;
  Vordering bereikt;        // progress reached this session, whether or not the file took it

  void readLevelSets();
};

}  // namespace dwaalbos
