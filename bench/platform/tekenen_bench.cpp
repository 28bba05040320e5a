// A move redraws the whole board five times; one redraw should stay well under 200 us.
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "level/cell_codes.h"
#include "platform/board_painter.h"

using namespace dwaalbos;

namespace {

// The worst case: every cell holds an object drawn through a mask (two operations each).
Board fullBoard() {
  Board board;
  for (int c = 1; c <= 12; ++c) {
    for (int r = 1; r <= 12; ++r) board.set(c, r, cell::kSwitch + (c + r) % 8);
  }
  return board;
}

void tekenen(benchmark::State& state, bool metBitBlt) {
  const Pictures pictures(QStringLiteral(DWAALBOS_GAME_DIR));
  const BoardPainter painter(pictures);
  const Board board = fullBoard();
  QImage target(480, 480, QImage::Format_RGB32);
  for (auto _ : state) {
    painter.tekenen(target, board, true, ManPose{200, 200, 40, 80}, metBitBlt);
    benchmark::DoNotOptimize(target.constBits());
  }
}

void TekenenBitBlt(benchmark::State& state) { tekenen(state, true); }
void TekenenPaintPicture(benchmark::State& state) { tekenen(state, false); }

BENCHMARK(TekenenBitBlt)->Unit(benchmark::kMicrosecond);
BENCHMARK(TekenenPaintPicture)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
