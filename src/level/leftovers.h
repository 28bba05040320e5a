#pragma once

#include <string>

#include "game_paths.h"

namespace dwaalbos {

// What a game that was killed may leave among the player's files: the new file of a write not
// yet put in place (`.<name>.<pid>-<n>.tmp`, beside one of the game's own files or a level in
// `levels/`) and its test level (`test-<pid>.dwb`). Removes those whose game no longer runs.
// Only regular files of exactly these names are removed; links are neither removed nor
// followed, also not to a folder.
void removeLeftovers(const GamePaths& paths);

}  // namespace dwaalbos
