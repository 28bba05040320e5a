// The live verdict on each of the 43 standard levels as the editor gets it: the board changed,
// the search on its thread, the answer back on the window's thread. The summary at the end
// gives the median and the slowest of the levels' mean times; the aim is a median under 100 ms and
// every level under a second.
#include <QCoreApplication>
#include <QEventLoop>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "editor/live_verdict.h"
#include "level/shared_state.h"

using namespace dwaalbos;

namespace {

using Clock = std::chrono::steady_clock;

// Each level's answers, in milliseconds.
std::vector<std::vector<double>> times(kLastLevelNumber);

double mean(const std::vector<double>& ms) {
  double sum = 0;
  for (const double one : ms) sum += one;
  return sum / static_cast<double>(ms.size());
}

void VerdictOnLevel(benchmark::State& bench, int number, const Board& level) {
  LiveVerdict live;
  QEventLoop answered;
  QObject::connect(&live, &LiveVerdict::changed, &answered, [&] {
    if (live.verdict().kind != Verdict::Kind::Busy) answered.quit();
  });
  for (auto _ : bench) {
    live.levelChanged(Board{});
    const auto begin = Clock::now();
    live.levelChanged(level);
    answered.exec();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
    bench.SetIterationTime(ms / 1000);
    times[static_cast<std::size_t>(number - 1)].push_back(ms);
  }
  bench.counters["moves"] = static_cast<double>(live.verdict().moves.size());
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  SharedState shared(DWAALBOS_GAME_DIR);
  shared.readLevelSets();
  for (int number = 1; number <= kLastLevelNumber; ++number) {
    const Board level = shared.sets.byNumber(number)->Vakken;
    benchmark::RegisterBenchmark(("Verdict/level:" + std::to_string(number)).c_str(),
                                 VerdictOnLevel, number, level)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RunSpecifiedBenchmarks();
  std::vector<std::pair<double, int>> means;  // mean ms, level number
  for (std::size_t i = 0; i < times.size(); ++i)
    if (!times[i].empty()) means.emplace_back(mean(times[i]), static_cast<int>(i) + 1);
  if (means.empty()) return 0;
  std::sort(means.begin(), means.end());
  std::cout << "verdict over " << means.size() << " levels: median "
            << means[means.size() / 2].first << " ms, slowest " << means.back().first
            << " ms (level " << means.back().second << ")\n";
  benchmark::Shutdown();
  return 0;
}
