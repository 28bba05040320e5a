// The menu runs 60 frames a second; to stay under a tenth of a core, one frame (dots, buttons
// and the repaint of the window) must take well under 1.6 ms.
#include <QApplication>

#include <filesystem>

#include <benchmark/benchmark.h>

#include "frontend/menu.h"
#include "level/shared_state.h"
#include "platform/pictures.h"
#include "support/window_fakes.h"

using namespace dwaalbos;

namespace {

void menuFrame(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "dwaalbos-menu-bench";
  SharedState shared(folder.string());
  const Pictures pictures(QStringLiteral(DWAALBOS_GAME_DIR));
  dwaalbos::testing::RecordingSound sound;
  dwaalbos::testing::RecordingNavigator navigator;
  dwaalbos::testing::RecordingDesktop desktop;
  Menu menu(shared, sound, navigator, desktop, pictures);
  menu.show();
  for (auto _ : state) {
    menu.frame();
    menu.repaint();
  }
}
BENCHMARK(menuFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
