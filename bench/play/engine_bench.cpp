// How fast the rules run without a window: single moves, and the solver's search.
#include <benchmark/benchmark.h>

#include <variant>

#include "level/level_text.h"
#include "play/rules/rules.h"
#include "play/solver/solver.h"

using namespace dwaalbos;

namespace {

Doolhof level(const char* rows) {
  return std::get<Doolhof>(parseLevelText(std::string("bord:\n") + rows));
}

// A walled 12 x 12 room with a few blocks: the player walks back and forth along a row.
const char* kRoom =
    "############\n#S.........#\n#..X....X..#\n#..........#\n#....X.....#\n#..........#\n"
    "#..X.....X.#\n#..........#\n#.....X....#\n#..........#\n#.........E#\n############\n";

void SingleMoves(benchmark::State& bench) {
  GameState game = levelStart(level(kRoom));
  bool right = true;
  for (auto _ : bench) {
    if (game.col >= 10) right = false;
    if (game.col <= 2) right = true;
    game = play(game, right ? GameKey::Right : GameKey::Left, {false, 0, 0, true}).next;
  }
  bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(SingleMoves);

// An open room with blocks and keys: many states, no quick way out.
const char* kSearch =
    "############\n#S.k......K#\n#..X..X....#\n#.....#..X.#\n#.X..k.....#\n#......X...#\n"
    "#..#.......#\n#....X..X..#\n#.k........#\n#...X...#..#\n#.......KKE#\n############\n";

void SolverStates(benchmark::State& bench) {
  const Doolhof searched = level(kSearch);
  std::size_t states = 0;
  std::size_t bytes = 0;
  for (auto _ : bench) {
    const Solution solution = solve(searched, 400'000);
    states += solution.states;
    bytes = solution.bytes;
    benchmark::DoNotOptimize(solution.moves.data());
    bench.counters["bytes_per_state"] =
        static_cast<double>(bytes) / static_cast<double>(solution.states);
  }
  bench.SetItemsProcessed(static_cast<std::int64_t>(states));
}
BENCHMARK(SolverStates)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
