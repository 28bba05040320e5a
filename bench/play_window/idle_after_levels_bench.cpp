// A player finishes three levels on a real X server, holding the arrow onto the end square and
// letting go while the "Volgende?" box is up, then answering it with Enter. The game waiting for
// the next key must then cost as little as before the first level (counters "before_percent"
// and "after_percent": the process's share of one core over five idle seconds; target < 2).
#include <QApplication>
#include <QTest>

#include <ctime>
#include <filesystem>
#include <optional>

#include <benchmark/benchmark.h>

#include "frontend/application.h"
#include "play/window/afspelen.h"
#include "support/real_player.h"
#include "support/temp_folder.h"
#include "support/test_levels.h"
#include "support/window_fakes.h"
#include "support/x_display.h"

using namespace dwaalbos;
using namespace dwaalbos::testing;
using namespace std::chrono_literals;

namespace {

constexpr auto kIdle = 5000ms;

double processSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double idleCorePercent() {
  const double before = processSeconds();
  pause(kIdle);
  return 100.0 * (processSeconds() - before) / (double(kIdle.count()) / 1000.0);
}

void idleAfterThreeLevels(benchmark::State& state) {
  TempFolder folder;
  std::filesystem::create_directories(folder.path("geluid"));
  writeEmptyStandardSets(folder, levelFromRows({"S.E"}, "Kort"));
  RecordingSound sound;
  RecordingDesktop desktop;
  AnsweringDialogs dialogs;
  PdfPrinters printers;
  Application application(GamePaths(folder.root().string()), {sound, desktop, dialogs, printers});
  WindowWatch watch;
  FakeKeyboard keyboard;
  Afspelen& play = application.play();
  double beforePercent = 0;
  double afterPercent = 0;
  for (auto _ : state) {
    application.showPlayWindow();
    QTimer::singleShot(50, [&] { play.start(LevelRef::standard(1)); });
    const auto startLevel = [&] {
      watch.waitUntilActiveKind("dwaalbos::Splash");
      keyboard.tap("space");
      watch.waitUntilActive(play);
    };
    whilePlayerTypes(
        [&] {
          startLevel();
          beforePercent = idleCorePercent();
          for (int level = 1; level <= 3; ++level) {
            keyboard.press("Right");
            watch.waitForBox();
            pause(100ms);
            keyboard.release("Right");
            pause(100ms);
            keyboard.tap("Return");
            startLevel();
          }
          afterPercent = idleCorePercent();
        },
        [&] { play.end(); });
  }
  state.counters["before_percent"] = beforePercent;
  state.counters["after_percent"] = afterPercent;
  state.counters["boxes"] = watch.boxesShown.load();
}
BENCHMARK(idleAfterThreeLevels)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  VirtualDisplay display;
  if (!display.running()) return 1;
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
