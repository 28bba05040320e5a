#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dwaalbos {

enum class Difficulty { Makkelijk, Gemiddeld, Moeilijk, Meester };

inline constexpr std::array<Difficulty, 4> kDifficulties = {
    Difficulty::Makkelijk, Difficulty::Gemiddeld, Difficulty::Moeilijk, Difficulty::Meester};

// "Makkelijk" .. "Meester", as levels and tools name them.
std::string_view difficultyName(Difficulty difficulty);
// The name in the language the game is shown in.
std::string shownName(Difficulty difficulty);
// A difficulty by its name in any case ("meester", "Meester"); nothing for anything else.
std::optional<Difficulty> difficultyNamed(std::string_view name);

// The standard levels a difficulty is measured against: `first`..`last` of set `set`.
struct ReferenceLevels {
  int set;
  int first;
  int last;
};
ReferenceLevels referenceLevels(Difficulty difficulty);

// What the level table tells of one level.
struct LevelFigures {
  std::size_t moves = 0;             // shortest solution
  std::size_t states = 0;            // states the breadth-first search explored to find it
  std::optional<std::size_t> traps;  // nothing when there were too many positions to count
  int forcedPercent = 0;
};

struct FigureRange {
  std::size_t low = 0;
  std::size_t high = 0;
  bool contains(std::size_t value) const { return value >= low && value <= high; }
  bool operator==(const FigureRange&) const = default;
};

// How the levels of a difficulty are: every figure from the lowest to the highest of its
// reference levels, and the middle level's moves and states that a new level aims at.
struct Band {
  FigureRange moves;
  FigureRange states;
  FigureRange traps;  // over the levels whose traps were counted
  FigureRange forcedPercent;
  std::size_t middleMoves = 0;
  std::size_t middleStates = 0;
  bool operator==(const Band&) const = default;
};

// The band of a set of levels; an empty set gives an empty band.
Band bandOf(std::span<const LevelFigures> levels);
// The band of a difficulty, as bandOf gives it for its reference levels in the level table
// (tools/leveltable checks the two agree).
const Band& bandOf(Difficulty difficulty);
// Whether a level lies inside: every figure in range, its traps counted.
bool inside(const Band& band, const LevelFigures& level);

// One line of text: "moves 12-30 (14), states 17-497 (45), traps 0-62, forced 8-76 %".
std::string bandText(const Band& band);

}  // namespace dwaalbos
