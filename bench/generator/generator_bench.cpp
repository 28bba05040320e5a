// New levels per difficulty over seeds 1..N (100 when left out): median and slowest time to a
// finished level or to the answer that the budget ran out (the fastest of three runs of each
// seed), wall clock and CPU time of the process (every thread that made it), how many seeds gave a
// level, the share of those inside the difficulty's band, how many are distinct, which object kinds
// they use, and their middle figures beside the band of the standard levels.
//   generator_bench [benchmark flags] [SEEDS [THREADS]]   (threads: as the game uses when left out)
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "level/cell_codes.h"
#include "play/generator/generator.h"

using namespace dwaalbos;

namespace {

int seeds = 100;
int threads = 0;  // as the game uses
constexpr int kRuns = 3;

double cpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

template <class T>
T middle(std::vector<T> values) {
  if (values.empty()) return T{};
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Summary {
  std::vector<double> wallMs, cpuMs;
  int made = 0;
  int inBand = 0;
  std::set<std::string> boards;  // the boards, cell by cell
  std::set<int> kinds;           // object codes used
  std::vector<std::size_t> moves, states, traps;
  std::vector<int> forced;
};

Summary summaries[4];

void Generate(benchmark::State& bench) {
  const auto difficulty = static_cast<Difficulty>(bench.range(0));
  Summary& summary = summaries[bench.range(0)];
  for (auto _ : bench) {
    summary = {};
    for (int seed = 1; seed <= seeds; ++seed) {
      double wall = 0, cpu = 0;
      Generation generation;
      // The fastest of a few runs: a seed makes the same level by the same climbs every time,
      // so what one run takes longer than another is the machine's, not the generator's.
      for (int run = 0; run < kRuns; ++run) {
        const double cpuBegan = cpuMs();
        const auto began = std::chrono::steady_clock::now();
        generation = generateLevel(difficulty, static_cast<std::uint32_t>(seed), {}, threads);
        const double took =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began)
                .count();
        wall = run == 0 ? took : std::min(wall, took);
        cpu = run == 0 ? cpuMs() - cpuBegan : std::min(cpu, cpuMs() - cpuBegan);
      }
      summary.wallMs.push_back(wall);
      summary.cpuMs.push_back(cpu);
      if (!generation.made) continue;
      ++summary.made;
      const GeneratedLevel& made = *generation.made;
      summary.inBand += inside(bandOf(difficulty), made.figures);
      const auto& cells = made.level.Vakken.flat();
      summary.boards.insert(
          std::string(reinterpret_cast<const char*>(cells.data()), cells.size() * sizeof cells[0]));
      for (const std::int16_t code : cells)
        if (code != cell::kEmpty && code != cell::kWall && code != cell::kStart &&
            code != cell::kEnd)
          summary.kinds.insert(code);
      summary.moves.push_back(made.figures.moves);
      summary.states.push_back(made.figures.states);
      summary.traps.push_back(made.figures.traps.value_or(0));
      summary.forced.push_back(made.figures.forcedPercent);
    }
  }
  bench.counters["median_ms"] = middle(summary.wallMs);
  bench.counters["slowest_ms"] = *std::max_element(summary.wallMs.begin(), summary.wallMs.end());
  bench.counters["median_cpu_ms"] = middle(summary.cpuMs);
  bench.counters["slowest_cpu_ms"] = *std::max_element(summary.cpuMs.begin(), summary.cpuMs.end());
  bench.counters["made"] = summary.made;
  bench.counters["in_band_pct"] = summary.made == 0 ? 0.0 : 100.0 * summary.inBand / summary.made;
  bench.counters["distinct"] = static_cast<double>(summary.boards.size());
  bench.counters["kinds"] = static_cast<double>(summary.kinds.size());
}
BENCHMARK(Generate)
    ->DenseRange(0, 3)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->ArgNames({"difficulty"});

// Whole milliseconds, or tenths below ten where whole ones would hide the ratio.
std::string ms(double value) {
  char text[32];
  std::snprintf(text, sizeof text, value < 10 ? "%.1f" : "%.0f", value);
  return text;
}

void printTable() {
  std::printf(
      "\n%d seeds a difficulty, %s; times in ms (wall / process CPU, the fastest of %d runs of a "
      "seed); kinds of the 11 object codes used; middle figures: moves, states, traps, forced "
      "%%\n\n",
      seeds,
      threads > 0 ? (std::to_string(threads) + " thread(s)").c_str() : "threads as the game uses",
      kRuns);
  std::printf(
      "| difficulty | median | slowest | made | in band | distinct | kinds | middle figures | "
      "band of the standard levels |\n|---|---:|---:|---:|---:|---:|---:|---|---|\n");
  for (const Difficulty difficulty : kDifficulties) {
    const Summary& s = summaries[static_cast<int>(difficulty)];
    if (s.wallMs.empty()) continue;
    std::printf("| %s | %s / %s | %s / %s | %d | %d %% | %zu | %zu | %zu, %zu, %zu, %d %% | %s |\n",
                std::string(difficultyName(difficulty)).c_str(), ms(middle(s.wallMs)).c_str(),
                ms(middle(s.cpuMs)).c_str(),
                ms(*std::max_element(s.wallMs.begin(), s.wallMs.end())).c_str(),
                ms(*std::max_element(s.cpuMs.begin(), s.cpuMs.end())).c_str(), s.made,
                s.made == 0 ? 0 : s.inBand * 100 / s.made, s.boards.size(), s.kinds.size(),
                middle(s.moves), middle(s.states), middle(s.traps), middle(s.forced),
                bandText(bandOf(difficulty)).c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc > 1) seeds = std::max(1, std::atoi(argv[1]));
  if (argc > 2) threads = std::max(1, std::atoi(argv[2]));
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  printTable();
  return 0;
}
