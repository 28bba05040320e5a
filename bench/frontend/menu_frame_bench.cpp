// The menu runs 60 frames a second while it sits there; to stay well under a hundredth of a
// core, one frame (the dots moved and the squares of the window they changed painted again)
// must take well under 160 us, at its own size and enlarged.
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
  const int zoom = static_cast<int>(state.range(0));
  const auto folder = std::filesystem::temp_directory_path() / "dwaalbos-menu-bench";
  SharedState shared(folder.string());
  const Pictures pictures(QStringLiteral(DWAALBOS_GAME_DIR));
  dwaalbos::testing::RecordingSound sound;
  dwaalbos::testing::RecordingNavigator navigator;
  dwaalbos::testing::RecordingDesktop desktop;
  Menu menu(shared, sound, navigator, desktop, pictures);
  menu.setZoom(zoom);
  menu.show();
  for (auto _ : state) {
    menu.frame();
    QCoreApplication::sendPostedEvents(&menu, QEvent::UpdateRequest);
  }
}
BENCHMARK(menuFrame)->Unit(benchmark::kMicrosecond)->Arg(100)->Arg(150)->Arg(300);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
