// A move redraws the whole board five times; one redraw should stay well under 200 us, and
// at 300 % (from the large pictures) well under a frame of a 60 Hz screen.
#include <QApplication>
#include <QPainter>

#include <iterator>

#include <benchmark/benchmark.h>

#include "level/cell_codes.h"
#include "platform/board_painter.h"
#include "platform/zoomed_widgets.h"

using namespace dwaalbos;

namespace {

// The worst case: every cell holds an object drawn through a mask (two operations each).
Board maskedBoard() {
  Board board;
  for (int c = 1; c <= 12; ++c) {
    for (int r = 1; r <= 12; ++r) board.set(c, r, cell::kSwitch + (c + r) % 8);
  }
  return board;
}

// Every cell taken by the objects of play in turn, walls and arrows among them.
Board mixedBoard() {
  constexpr std::int16_t kCodes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15};
  Board board;
  for (int c = 1; c <= 12; ++c) {
    for (int r = 1; r <= 12; ++r) board.set(c, r, kCodes[(c * 12 + r) % std::size(kCodes)]);
  }
  return board;
}

void tekenen(benchmark::State& state, const Board& board, bool metBitBlt, int zoom = 1) {
  const Pictures pictures(QStringLiteral(DWAALBOS_GAME_DIR));
  const BoardPainter painter(pictures);
  QImage target(480 * zoom, 480 * zoom, QImage::Format_RGB32);
  target.setDevicePixelRatio(zoom);
  for (auto _ : state) {
    painter.tekenen(target, board, true, ManPose{200, 200, 40, 80}, metBitBlt);
    benchmark::DoNotOptimize(target.constBits());
  }
}

// A walking frame at 300 %: the board drawn at the screen's pixels, then shown on a window of
// that size as the board view does.
void WalkingFrameAt300(benchmark::State& state) {
  const Pictures pictures(QStringLiteral(DWAALBOS_GAME_DIR));
  const BoardPainter painter(pictures);
  const Board board = mixedBoard();
  QImage target(1440, 1440, QImage::Format_RGB32);
  target.setDevicePixelRatio(3);
  QImage screen(1440, 1440, QImage::Format_RGB32);
  int step = 0;
  for (auto _ : state) {
    painter.tekenen(target, board, true, ManPose{200 + step++ % 40, 200, 40, 80}, true);
    QPainter shown(&screen);
    drawArt(shown, screen.rect(), target);
  }
}

void MaskedScanlines(benchmark::State& state) { tekenen(state, maskedBoard(), true); }
void MaskedPainter(benchmark::State& state) { tekenen(state, maskedBoard(), false); }
void MixedScanlines(benchmark::State& state) { tekenen(state, mixedBoard(), true); }
void MixedPainter(benchmark::State& state) { tekenen(state, mixedBoard(), false); }
void MaskedAt300(benchmark::State& state) { tekenen(state, maskedBoard(), true, 3); }
void MixedAt300(benchmark::State& state) { tekenen(state, mixedBoard(), true, 3); }

BENCHMARK(MaskedScanlines)->Unit(benchmark::kMicrosecond);
BENCHMARK(MaskedPainter)->Unit(benchmark::kMicrosecond);
BENCHMARK(MixedScanlines)->Unit(benchmark::kMicrosecond);
BENCHMARK(MixedPainter)->Unit(benchmark::kMicrosecond);
BENCHMARK(MaskedAt300)->Unit(benchmark::kMicrosecond);
BENCHMARK(MixedAt300)->Unit(benchmark::kMicrosecond);
BENCHMARK(WalkingFrameAt300)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
