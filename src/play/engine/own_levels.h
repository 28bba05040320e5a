#pragma once

#include <optional>

#include "level/doolhof.h"
#include "level_ref.h"

namespace dwaalbos {

// The level that `level` names besides the standard ones, as its file holds it now: a level
// file, or one level of a collection (also of a damaged one, when it lies before the damage).
// Nothing when it cannot be read.
std::optional<Doolhof> readOwnLevel(const LevelRef& level);

// The level after `level` in its collection, when it has one.
std::optional<LevelRef> nextInCollection(const LevelRef& level);

}  // namespace dwaalbos
