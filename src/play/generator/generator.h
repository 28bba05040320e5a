#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <string>

#include "difficulty.h"
#include "level/doolhof.h"

namespace dwaalbos {

// A level's number, as the player types it or tells a friend.
inline constexpr std::uint32_t kLargestSeed = 999'999;

struct GeneratedLevel {
  Doolhof level;         // named, made by "Dwaalbos", its comment the difficulty and the seed
  LevelFigures figures;  // as the level table measures them
  std::string solution;  // the shortest, in L R U D S letters
};

enum class GenerateOutcome {
  Made,
  BudgetSpent,  // no level of the difficulty was found for this seed: offer another number
  Stopped,      // the stop was requested
};

struct Generation {
  GenerateOutcome outcome = GenerateOutcome::BudgetSpent;
  std::optional<GeneratedLevel> made;  // with Made only
};

// Threads that make a level of `difficulty` sooner: two where an attempt takes long enough to
// share, unless there is one core.
int generatorThreads(Difficulty difficulty);

// What a level is made from as one number, never 0, another for every difficulty and seed:
// what a player's results find a generated level by without making it again.
std::uint64_t madeFrom(Difficulty difficulty, std::uint32_t seed);

// A new level of `difficulty`, the same for the same seed on every machine and every run: a
// maze with objects is changed one cell at a time while the solver judges every change, and
// kept when its figures come closer to those the difficulty aims at. The level returned lies
// inside the difficulty's band, is proven solvable and has no cell that nothing can reach.
// A requested stop ends the work within one solver search. Attempts run on up to `threads`
// threads at once (0: generatorThreads); the level is the same for any number.
Generation generateLevel(Difficulty difficulty, std::uint32_t seed, std::stop_token stop = {},
                         int threads = 0);

}  // namespace dwaalbos
