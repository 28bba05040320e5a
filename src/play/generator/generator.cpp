#include "generator.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <thread>

#include "attempts.h"
#include "board_maker.h"
#include "level_name.h"
#include "play/rules/rules.h"
#include "play/solver/quality.h"
#include "play/solver/solver.h"
#include "seeded_random.h"

namespace dwaalbos {
namespace {

// How long one seed and one attempt at it are tried, counted in the positions the solver and
// the measure visit so that the same seed stops at the same place on every machine; how many
// changes in a row that bring the board no closer, and how many whole measures that find it
// wanting, before a new board is begun.
struct Budget {
  std::size_t positions;
  std::size_t attemptPositions;  // an attempt that spends more seldom arrives: begin anew
  int stale;
  int wanting;
  int freshChoices;  // new boards solved to begin one climb from the closest
  int changes;       // tried in one climb at most: one that creeps closer seldom arrives
  int lenientFrom;   // from this attempt on, any level inside the band will do
};

Budget budgetOf(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Makkelijk: return {1'000'000, 1'200, 200, 2, 12, 80, 3};
    case Difficulty::Gemiddeld: return {3'000'000, 20'000, 250, 1, 24, 100, 1};
    case Difficulty::Moeilijk: return {8'000'000, 1'500'000, 250, 1, 96, 120, 3};
    case Difficulty::Meester: return {20'000'000, 2'500'000, 250, 2, 72, 300, 1};
  }
  return {};
}

constexpr std::array<std::pair<int, int>, 4> kSteps = {{{0, -1}, {-1, 0}, {0, 1}, {1, 0}}};

std::size_t bitOf(int col, int row) { return static_cast<std::size_t>(col - 1 + 12 * (row - 1)); }

// Cells something reaches: where the player or a block stands, what the player walks into,
// arrows blocks run onto, and every cell arrows lead on to from there.
std::bitset<144> touchedCells(const Board& board, const LevelQuality& quality) {
  std::bitset<144> touched = quality.playerCells | quality.blockCells;
  std::bitset<144> arrows;
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 12; ++c) {
      if (!quality.playerCells[bitOf(c, r)] && !quality.blockCells[bitOf(c, r)]) continue;
      for (const auto& [dc, dr] : kSteps) {
        if (!Board::inPlay(c + dc, r + dr)) continue;
        if (quality.playerCells[bitOf(c, r)]) touched.set(bitOf(c + dc, r + dr));
        if (cell::isArrow(board.at(c + dc, r + dr))) arrows.set(bitOf(c + dc, r + dr));
      }
    }
  // Along the arrows; a four-way arrow may lead on to any side.
  for (bool grew = true; grew;) {
    grew = false;
    for (int r = 1; r <= 12; ++r)
      for (int c = 1; c <= 12; ++c) {
        if (!arrows[bitOf(c, r)]) continue;
        touched.set(bitOf(c, r));
        const std::int16_t code = board.at(c, r);
        for (const auto& [dc, dr] : kSteps) {
          const Direction way = dir::ofArrow(code);
          const bool leads = code == cell::kFourWay || (dir::dx(way) == dc && dir::dy(way) == dr);
          if (!leads || !Board::inPlay(c + dc, r + dr)) continue;
          touched.set(bitOf(c + dc, r + dr));
          if (cell::isArrow(board.at(c + dc, r + dr)) && !arrows[bitOf(c + dc, r + dr)]) {
            arrows.set(bitOf(c + dc, r + dr));
            grew = true;
          }
        }
      }
  }
  return touched;
}

// Turns every cell that nothing reaches into wall; whether there was one.
bool wallUpUnreached(Board& board, const LevelQuality& quality) {
  const std::bitset<144> touched = touchedCells(board, quality);
  bool walled = false;
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 12; ++c)
      if (board.at(c, r) != cell::kWall && !touched[bitOf(c, r)]) {
        board.set(c, r, cell::kWall);
        walled = true;
      }
  return walled;
}

// A board under way: the solver's answer and how far its figures lie from the aim.
struct Candidate {
  Board board;
  KindSet kinds;  // the objects the level is about
  Solution solution;
  int forcedAtLeast = 0;  // percent, whatever the traps: more than the band's takes it out
  double distance = 0;
};

// Where the level aims: the middle of the band, moved a little by the seed so that the levels
// of one difficulty spread over it.
struct Aim {
  double moves;
  double states;
};

// How far apart two positive figures are as a ratio, zero when equal. Square roots are
// rounded alike on every machine, unlike logarithms.
double apart(double value, double aim) {
  const double ratio = value > aim ? value / aim : aim / value;
  return std::sqrt(ratio) - 1;
}

// A board whose way is forced more than the band allows, even with every step aside taken to
// be sensible, lies that much farther off: climbs steer away from corridors, which a whole
// measure would refuse.
double distanceOf(const Candidate& candidate, const Aim& aim, const Band& band) {
  const int forcedOver = candidate.forcedAtLeast - static_cast<int>(band.forcedPercent.high);
  return apart(static_cast<double>(candidate.solution.states), aim.states) +
         8 * apart(static_cast<double>(candidate.solution.moves.size()), aim.moves) +
         8 * std::max(0, forcedOver) / 100.0;
}

Doolhof levelOf(const Board& board) {
  Doolhof level;
  level.Vakken = board;
  return level;
}

// What every attempt at one seed shares.
struct Plan {
  Difficulty difficulty;
  std::uint64_t seed;  // the seed and the difficulty as one number
  const Band& band;
  Budget budget;
  Aim aim;
  std::size_t stateLimit;     // a board with more states lies too far from the aim
  std::size_t positionLimit;  // a level with more positions is not counted through
};

// The figures of a level, once every cell that nothing reaches is walled up; nothing when it
// cannot be completed or has more positions than the plan counts. `spent` grows by the
// positions visited.
std::optional<GeneratedLevel> judgeLevel(const Doolhof& level, const Plan& plan, std::size_t& spent,
                                         std::stop_token stop) {
  GeneratedLevel judged{level, {}, {}};
  for (int round = 0; round < 2; ++round) {
    const Solution solution = solve(judged.level, plan.band.states.high + 1, stop);
    spent += solution.states;
    if (!solution.solvable) return std::nullopt;
    const LevelQuality quality = measureQuality(levelStart(judged.level), solution.moves,
                                                plan.positionLimit, PastTheLimit::GiveUp);
    spent += quality.positions;
    if (!quality.complete) return std::nullopt;
    if (wallUpUnreached(judged.level.Vakken, quality)) continue;  // judged again as it is now
    judged.figures = {solution.moves.size(), solution.states, quality.traps,
                      quality.forcedPercent()};
    judged.solution = solution.moves;
    return judged;
  }
  return std::nullopt;
}

Plan planOf(Difficulty difficulty, std::uint32_t seed) {
  const std::uint64_t both = std::uint64_t{seed} << 8 | static_cast<std::uint64_t>(difficulty);
  SeededRandom random(both);
  const Band& band = bandOf(difficulty);
  // Moves from a third of the way up from the band's fewest to its middle: the longest ways
  // take a board hand-made for them.
  const std::size_t fewest = band.moves.low + (band.middleMoves - band.moves.low) / 3;
  const Aim aim{static_cast<double>(
                    random.between(static_cast<int>(fewest), static_cast<int>(band.middleMoves))),
                static_cast<double>(band.middleStates) * random.between(50, 150) / 100};
  const std::size_t stateLimit =
      std::min(band.states.high, static_cast<std::size_t>(aim.states * 2)) + 1;
  // A level with more than the band's most traps and states together seldom lies in the band,
  // nor one that takes more than three tenths of an attempt to count: a new climb arrives
  // sooner than counting on.
  const Budget budget = budgetOf(difficulty);
  const std::size_t positionLimit =
      std::min(band.traps.high + band.states.high, budget.attemptPositions * 3 / 10);
  return {difficulty, both, band, budget, aim, stateLimit, positionLimit};
}

// One attempt at a seed: the closest of a few new boards climbs towards the aim, one change at
// a time. Every choice comes from the seed and the attempt's number alone.
class Climb {
 public:
  Climb(const Plan& plan, int attempt, std::stop_token stop)
      : random_(SeededRandom(plan.seed ^ std::uint64_t(attempt + 1) << 40).next()), plan_(plan),
        band_(plan.band), budget_(plan.budget), aim_(plan.aim), maker_(plan.difficulty, random_),
        attempt_(attempt), stop_(std::move(stop)) {}

  AttemptResult run() {
    std::optional<GeneratedLevel> level = climbFrom(bestFresh());
    return {std::move(level), spent_};
  }

 private:
  Candidate judge(const Board& board, const KindSet& kinds, std::size_t stateLimit) {
    Candidate candidate{board, kinds, solve(levelOf(board), stateLimit, stop_)};
    spent_ += candidate.solution.states;
    if (!candidate.solution.solvable) return candidate;
    candidate.forcedAtLeast =
        forcedPercentAtLeast(levelStart(levelOf(board)), candidate.solution.moves);
    candidate.distance = distanceOf(candidate, aim_, band_);
    return candidate;
  }

  // The closest of a few new boards that can be completed: climbs from a poor one seldom
  // arrive.
  Candidate bestFresh() {
    Candidate best;
    for (int solvable = 0; solvable < budget_.freshChoices && spent_ < budget_.attemptPositions;) {
      if (stop_.stop_requested()) break;
      KindSet kinds;
      const Board board = maker_.fresh(kinds);
      if (!BoardMaker::keepsKinds(board, kinds)) continue;  // an object found no place
      Candidate fresh = judge(board, kinds, plan_.stateLimit);
      if (!fresh.solution.solvable) continue;
      if (solvable++ == 0 || fresh.distance < best.distance) best = std::move(fresh);
    }
    return best;
  }

  // A board with more states than this lies farther from the aim than `current` whatever its
  // moves: its search can stop there.
  std::size_t limitBeside(const Candidate& current) const {
    const double within = aim_.states * (1 + current.distance) * (1 + current.distance);
    return within >= static_cast<double>(plan_.stateLimit) ? plan_.stateLimit
                                                           : static_cast<std::size_t>(within) + 1;
  }

  // Near enough to be measured whole: the longer a climb goes on, the wider; in the later
  // attempts any level inside the band will do.
  bool nearAim(const Candidate& candidate, int changes) const {
    const Solution& solution = candidate.solution;
    if (!band_.moves.contains(solution.moves.size()) || !band_.states.contains(solution.states) ||
        candidate.forcedAtLeast > static_cast<int>(band_.forcedPercent.high))
      return false;
    const double widen = 1 + static_cast<double>(changes) / budget_.changes;
    return attempt_ >= budget_.lenientFrom ||
           (apart(static_cast<double>(solution.states), aim_.states) <= 0.42 * widen &&
            apart(static_cast<double>(solution.moves.size()), aim_.moves) <= 0.14 * widen);
  }

  std::optional<GeneratedLevel> climbFrom(Candidate current) {
    if (!current.solution.solvable) return std::nullopt;
    bool measured = false;  // the current board was measured whole and found wanting
    int wanting = 0;
    for (int stale = 0, changes = 0;
         stale < budget_.stale && wanting < budget_.wanting && changes < budget_.changes;
         ++changes) {
      if (spent_ >= budget_.attemptPositions || stop_.stop_requested()) return std::nullopt;
      if (!measured && nearAim(current, changes)) {
        measured = true;
        auto level = judgeLevel(levelOf(current.board), plan_, spent_, stop_);
        if (level && inside(band_, level->figures)) return level;
        ++wanting;
      }
      Board next = current.board;
      if (!maker_.mutate(next, current.kinds) || !BoardMaker::keepsKinds(next, current.kinds)) {
        ++stale;
        continue;
      }
      Candidate candidate = judge(next, current.kinds, limitBeside(current));
      if (!candidate.solution.solvable || candidate.distance > current.distance) {
        ++stale;
        continue;
      }
      stale = candidate.distance < current.distance ? 0 : stale + 1;
      current = std::move(candidate);
      measured = false;
    }
    return std::nullopt;
  }

  SeededRandom random_;
  const Plan& plan_;
  const Band& band_;
  const Budget& budget_;
  const Aim& aim_;
  BoardMaker maker_;
  int attempt_;
  std::stop_token stop_;
  std::size_t spent_ = 0;
};

}  // namespace

// Attempts at the two easiest take milliseconds: a second thread costs more to start and to
// share the memory with than it saves.
int generatorThreads(Difficulty difficulty) {
  if (difficulty == Difficulty::Makkelijk || difficulty == Difficulty::Gemiddeld) return 1;
  return std::thread::hardware_concurrency() == 1 ? 1 : 2;
}

std::uint64_t madeFrom(Difficulty difficulty, std::uint32_t seed) {
  return (static_cast<std::uint64_t>(difficulty) + 1) << 32 | seed;
}

Generation generateLevel(Difficulty difficulty, std::uint32_t seed, std::stop_token stop,
                         int threads) {
  const Plan plan = planOf(difficulty, seed);
  const Attempt attempt = [&plan](int number, std::stop_token attemptStop) {
    return Climb(plan, number, std::move(attemptStop)).run();
  };
  Generation generation =
      firstMade(attempt, plan.budget.positions,
                threads > 0 ? threads : generatorThreads(difficulty), std::move(stop));
  if (generation.made) {
    Doolhof& level = generation.made->level;
    level.Naam = levelName(difficulty, seed);
    level.Maker = "Dwaalbos";
    level.Commentaar = std::string(difficultyName(difficulty)) + " " + std::to_string(seed);
  }
  return generation;
}

}  // namespace dwaalbos
