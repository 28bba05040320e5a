#pragma once

#include <string>

#include "cell_codes.h"
#include "doolhof.h"
#include "game_paths.h"
#include "level_sets.h"
#include "progress.h"

namespace dwaalbos {

// What every window shares: where files live, the level sets and the progress reached. A
// window reads the level it plays and hands it to the game; the editor keeps its own.
// One object owned by the application and passed to the windows that need it.
struct SharedState {
  explicit SharedState(std::string programFolder) : paths(std::move(programFolder)) {}
  explicit SharedState(GamePaths where) : paths(std::move(where)) {}

  GamePaths paths;
  LevelSets sets;     // Levelset1 and Levelset2
  Vordering bereikt;  // progress reached this session, whether or not the file took it

  void readLevelSets();
};

}  // namespace dwaalbos
