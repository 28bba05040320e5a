// Tip latency on every standard level from every state on its shortest solution, the search
// alone from each level's start, and the solver's states per second.
//   tip_bench GAME_DIR
#include <algorithm>
#include <chrono>
#include <iostream>
#include <vector>

#include "level/shared_state.h"
#include "play/engine/engine.h"
#include "play/engine/null_host.h"
#include "play/solver/solver.h"
#include "play/solver/standard_solutions.h"
#include "play/solver/tip.h"

using namespace dwaalbos;
using Clock = std::chrono::steady_clock;

namespace {

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::cout << what << ": " << ms.size() << " times, max " << ms.back() << " ms, median "
            << ms[ms.size() / 2] << " ms\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: tip_bench GAME_DIR\n";
    return 64;
  }
  SharedState shared(argv[1]);
  shared.readLevelSets();
  NullHost host;
  std::vector<double> tips;
  std::vector<double> searches;
  std::size_t states = 0;
  double searchMs = 0;
  for (int number = 1; number <= kLastLevelNumber; ++number) {
    shared.Level = *shared.sets.byNumber(number);
    Engine engine(shared, host);  // the last level's end leaves its engine stopped
    engine.opties().volglijnen = false;
    const GameState start = engine.levelStart();
    const std::string_view moves = shortestSolution(number);
    engine.setGameState(start);
    for (std::size_t i = 0; i < moves.size(); ++i) {
      const char letter = moves[i];
      const auto begin = Clock::now();
      const Tip tip = tipFrom(engine.gameState(), {start, moves});
      tips.push_back(msSince(begin));
      if (tip.kind != Tip::Kind::Step || tip.key != letterKey(letter)) {
        std::cerr << "level " << number << ": a wrong tip after " << i << " keys\n";
        return 1;
      }
      engine.act(letterKey(letter));
    }
    const auto begin = Clock::now();
    states += solveFrom(start).states;
    searches.push_back(msSince(begin));
    searchMs += searches.back();
  }
  report("tip on the shortest solutions", tips);
  report("search from each level's start", searches);
  std::cout << "solver: " << static_cast<double>(states) / searchMs * 1000 << " states/s\n";
  return 0;
}
