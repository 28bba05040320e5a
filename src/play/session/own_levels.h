#pragma once

#include <optional>
#include <string>

#include "level/doolhof.h"
#include "level/level_sets.h"
#include "level_ref.h"

namespace dwaalbos {

// The level that `level` names besides the standard ones, as its file holds it now: a level
// file, or one level of a collection (also of a damaged one, when it lies before the damage)
// or of "Mijn levels", whose `path` is the player's levels folder.
// Nothing when it cannot be read.
std::optional<Doolhof> readOwnLevel(const LevelRef& level);

// `level` with its content, for a game to start: a standard level's from the sets read at
// startup, another's read from its file now. Nothing when it has none.
std::optional<LevelRef> loaded(LevelRef level, const LevelSets& sets);

// Standard level `number` with its content from `sets`; none past the last level.
LevelRef standardLevel(int number, const LevelSets& sets);

// What a file names for play: a collection file (.dws, in any case) its first level, any
// other a level file.
LevelRef levelAt(const std::string& path);

// The level after `level` in its collection, read, when it has one.
std::optional<LevelRef> nextInCollection(const LevelRef& level);

}  // namespace dwaalbos
