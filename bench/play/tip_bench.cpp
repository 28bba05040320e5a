// Tip latency on every standard level, from every position on its shortest solution and from
// positions reached by random play (seeded), with max and median per level and over all; the
// search alone from each level's start gives the solver's states per second and bytes per
// state. Times are the CPU time of this thread, so that other work on the machine does not
// count.
//   tip_bench GAME_DIR [RANDOM_POSITIONS_PER_LEVEL]   (1000 when left out)
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "level/shared_state.h"
#include "level/standard_solutions.h"
#include "play/rules/rules.h"
#include "play/solver/solver.h"
#include "play/solver/tip.h"

using namespace dwaalbos;

namespace {

constexpr RuleOptions kQuiet{false, 0, 0, true};

double cpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Spread {
  double max = 0;
  double median = 0;
};

Spread spreadOf(std::vector<double> ms) {
  if (ms.empty()) return {};
  std::sort(ms.begin(), ms.end());
  return {ms.back(), ms[ms.size() / 2]};
}

// A position a wandering player reaches: up to 200 random keys from the start, never a move
// that crushes him or ends the level.
GameState wander(const GameState& start, std::mt19937& random) {
  static constexpr GameKey kKeys[] = {GameKey::Left, GameKey::Right, GameKey::Up, GameKey::Down,
                                      GameKey::Space};
  GameState game = start;
  const int keys = std::uniform_int_distribution(0, 200)(random);
  for (int i = 0; i < keys; ++i) {
    const Step step = play(game, kKeys[std::uniform_int_distribution(0, 4)(random)], kQuiet);
    if (!step.died && !step.completed) game = step.next;
  }
  return game;
}

struct Totals {
  std::vector<double> onWay;
  std::vector<double> random;
  int gaveUp = 0;
  int lost = 0;
};

// Times a tip from every position on the level's shortest solution and from `positions`
// random ones; false when a tip on the solution is not its next key.
bool measureLevel(int number, const GameState& start, int positions, std::mt19937& random,
                  Totals& totals) {
  const std::string_view moves = shortestSolution(number);
  std::vector<double> onWay;
  GameState game = start;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    const double begin = cpuMs();
    const Tip tip = tipFrom(game, {start, moves});
    onWay.push_back(cpuMs() - begin);
    if (tip.kind != Tip::Kind::Step || tip.key != letterKey(moves[i])) {
      std::cerr << "level " << number << ": a wrong tip after " << i << " keys\n";
      return false;
    }
    game = play(game, letterKey(moves[i]), kQuiet).next;
  }
  std::vector<double> offWay;
  int gaveUp = 0;
  for (int i = 0; i < positions; ++i) {
    const GameState position = wander(start, random);
    const double begin = cpuMs();
    const Tip::Kind kind = tipFrom(position, {start, moves}).kind;
    offWay.push_back(cpuMs() - begin);
    gaveUp += kind == Tip::Kind::TooHard;
    totals.lost += kind == Tip::Kind::Lost;
  }
  const Spread way = spreadOf(onWay);
  const Spread off = spreadOf(offWay);
  std::printf("%5d %9.2f %9.3f %9.2f %9.3f %7d\n", number, way.max, way.median, off.max, off.median,
              gaveUp);
  totals.onWay.insert(totals.onWay.end(), onWay.begin(), onWay.end());
  totals.random.insert(totals.random.end(), offWay.begin(), offWay.end());
  totals.gaveUp += gaveUp;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::cerr << "usage: tip_bench GAME_DIR [RANDOM_POSITIONS_PER_LEVEL]\n";
    return 64;
  }
  const int positions = argc == 3 ? std::stoi(argv[2]) : 1000;
  SharedState shared(argv[1]);
  shared.readLevelSets();
  std::mt19937 random(24);
  Totals totals;
  std::size_t states = 0;
  std::size_t bytes = 0;
  double searchMs = 0;
  std::printf(
      "tip in ms; %d random positions a level\nlevel   way max way median  rnd max "
      "rnd median gave up\n",
      positions);
  for (int number = 1; number <= kLastLevelNumber; ++number) {
    const GameState start = levelStart(*shared.sets.byNumber(number));
    if (!measureLevel(number, start, positions, random, totals)) return 1;
    const double begin = cpuMs();
    const Solution solution = solveFrom(start);
    searchMs += cpuMs() - begin;
    states += solution.states;
    bytes += solution.bytes;
  }
  const Spread way = spreadOf(totals.onWay);
  const Spread off = spreadOf(totals.random);
  std::printf("  all %9.2f %9.3f %9.2f %9.3f %7d\n", way.max, way.median, off.max, off.median,
              totals.gaveUp);
  std::printf("random positions found lost: %d of %zu\n", totals.lost, totals.random.size());
  std::printf("solver from each level's start: %.0f states/s, %.1f bytes/state\n",
              static_cast<double>(states) / searchMs * 1000,
              static_cast<double>(bytes) / static_cast<double>(states));
  return 0;
}
