// Tip latency on every standard level from every state on its shortest solution and from
// positions reached by random play, the search alone from each level's start, and the
// solver's states per second and bytes per state.
//   tip_bench GAME_DIR [RANDOM_POSITIONS_PER_LEVEL]
#include <algorithm>
#include <chrono>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "level/shared_state.h"
#include "play/engine/rules.h"
#include "play/solver/solver.h"
#include "play/solver/standard_solutions.h"
#include "play/solver/tip.h"

using namespace dwaalbos;
using Clock = std::chrono::steady_clock;

namespace {

constexpr RuleOptions kQuiet{false, 0, 0, true};

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(const char* what, std::vector<double> ms) {
  if (ms.empty()) return;
  std::sort(ms.begin(), ms.end());
  std::cout << what << ": " << ms.size() << " times, max " << ms.back() << " ms, median "
            << ms[ms.size() / 2] << " ms\n";
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::cerr << "usage: tip_bench GAME_DIR [RANDOM_POSITIONS_PER_LEVEL]\n";
    return 64;
  }
  const int randomPositions = argc == 3 ? std::stoi(argv[2]) : 1000;
  SharedState shared(argv[1]);
  shared.readLevelSets();
  std::mt19937 random(24);
  std::vector<double> onWay;
  std::vector<double> offWay;
  std::vector<double> searches;
  std::size_t states = 0;
  std::size_t bytes = 0;
  double searchMs = 0;
  int tooHard = 0;
  for (int number = 1; number <= kLastLevelNumber; ++number) {
    const GameState start = levelStart(*shared.sets.byNumber(number));
    const std::string_view moves = shortestSolution(number);
    GameState game = start;
    for (std::size_t i = 0; i < moves.size(); ++i) {
      const auto begin = Clock::now();
      const Tip tip = tipFrom(game, {start, moves});
      onWay.push_back(msSince(begin));
      if (tip.kind != Tip::Kind::Step || tip.key != letterKey(moves[i])) {
        std::cerr << "level " << number << ": a wrong tip after " << i << " keys\n";
        return 1;
      }
      game = play(game, letterKey(moves[i]), kQuiet).next;
    }
    for (int i = 0; i < randomPositions; ++i) {
      const GameState position = wander(start, random);
      const auto begin = Clock::now();
      if (tipFrom(position, {start, moves}).kind == Tip::Kind::TooHard) ++tooHard;
      offWay.push_back(msSince(begin));
    }
    const auto begin = Clock::now();
    const Solution solution = solveFrom(start);
    searches.push_back(msSince(begin));
    searchMs += searches.back();
    states += solution.states;
    bytes += solution.bytes;
  }
  report("tip on the shortest solutions", onWay);
  report("tip after random play", offWay);
  report("search from each level's start", searches);
  std::cout << "tips that gave up: " << tooHard << "\n";
  std::cout << "solver: " << static_cast<double>(states) / searchMs * 1000 << " states/s, "
            << static_cast<double>(bytes) / static_cast<double>(states) << " bytes/state\n";
  return 0;
}
