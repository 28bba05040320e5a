#pragma once

#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "level/board.h"

namespace dwaalbos {

// What the solver says of the level in the editor as it stands.
struct Verdict {
  enum class Kind { Busy, NoStart, NoEnd, Solvable, Unsolvable, TooLarge };
  Kind kind = Kind::Busy;
  std::string moves;  // the shortest solution, when solvable

  bool operator==(const Verdict&) const = default;
};

// The search stops here: after little more than a second, holding about a hundred megabytes.
inline constexpr std::size_t kVerdictStates = 4'000'000;

// What is plain without a search: a board without a start or without an end square.
std::optional<Verdict> verdictAtSight(const Board& veld);
// The whole verdict. A stop requested gives up the search and answers Busy.
Verdict judgeLevel(const Board& veld, std::stop_token stop);
// The verdict as the editor shows it, in UTF-8.
std::string verdictText(const Verdict& verdict);
// The player's cells (column, row) along `moves` played from the start: the start square, then
// where he stands after each key.
std::vector<std::pair<int, int>> wayCells(const Board& veld, std::string_view moves);

}  // namespace dwaalbos
