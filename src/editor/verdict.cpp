#include "verdict.h"

#include "level/cell_codes.h"
#include "level/translation.h"
#include "play/rules/rules.h"
#include "play/solver/solver.h"

namespace dwaalbos {
namespace {

Doolhof levelOf(const Board& veld) {
  Doolhof level;
  level.Vakken.copyPlayAreaFrom(veld);
  return level;
}

bool holds(const Board& veld, std::int16_t code) {
  for (int c = 1; c <= 12; ++c)
    for (int r = 1; r <= 12; ++r)
      if (veld.at(c, r) == code) return true;
  return false;
}

}  // namespace

std::optional<Verdict> verdictAtSight(const Board& veld) {
  if (!holds(veld, cell::kStart)) return Verdict{Verdict::Kind::NoStart, {}};
  if (!holds(veld, cell::kEnd)) return Verdict{Verdict::Kind::NoEnd, {}};
  return std::nullopt;
}

Verdict judgeLevel(const Board& veld, std::stop_token stop) {
  if (auto atSight = verdictAtSight(veld)) return *atSight;
  // Led towards the end, an open board with many blocks is settled long before the cap.
  Solution solution = solveGuided(levelStart(levelOf(veld)), kVerdictStates, stop);
  if (solution.solvable) return {Verdict::Kind::Solvable, std::move(solution.moves)};
  if (stop.stop_requested()) return {};
  return {solution.limitReached ? Verdict::Kind::TooLarge : Verdict::Kind::Unsolvable, {}};
}

std::string verdictText(const Verdict& verdict) {
  switch (verdict.kind) {
    case Verdict::Kind::Busy: return translated("Verdict", "Nog bezig\u2026");
    case Verdict::Kind::NoStart: return translated("Verdict", "Geen begin");
    case Verdict::Kind::NoEnd: return translated("Verdict", "Geen eind");
    case Verdict::Kind::Unsolvable: return translated("Verdict", "Niet oplosbaar");
    case Verdict::Kind::TooLarge: return translated("Verdict", "Te groot om na te gaan");
    case Verdict::Kind::Solvable: break;
  }
  const std::size_t n = verdict.moves.size();
  return filled(n == 1 ? translated("Verdict", "Oplosbaar in %1 zet")
                       : translated("Verdict", "Oplosbaar in %1 zetten"),
                n);
}

std::vector<std::pair<int, int>> wayCells(const Board& veld, std::string_view moves) {
  GameState game = levelStart(levelOf(veld));
  std::vector<std::pair<int, int>> cells{{game.col, game.row}};
  for (const char letter : moves) {
    game = play(game, letterKey(letter), kQuietRules).next;
    cells.emplace_back(game.col, game.row);
  }
  return cells;
}

}  // namespace dwaalbos
