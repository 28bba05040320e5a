// Draws a standard level at its start as the play window shows it, twice as large, for the
// software centres' screenshot.
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

#include "level/cell_codes.h"
#include "level/shared_state.h"
#include "platform/board_painter.h"
#include "platform/pictures.h"

namespace {

using namespace dwaalbos;

ManPose onStart(const Board& board) {
  for (int c = 1; c <= 12; ++c)
    for (int r = 1; r <= 12; ++r)
      if (board.at(c, r) == cell::kStart)
        return {(c - 1) * kCellPixels, (r - 1) * kCellPixels, 0, kCellPixels};
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: dwaalbos-screenshot <game folder> <level number> <out.png>\n");
    return 2;
  }
  SharedState shared(argv[1]);
  shared.readLevelSets();
  const Doolhof* level = shared.sets.byNumber(std::atoi(argv[2]));
  const Pictures pictures(QString::fromLocal8Bit(argv[1]));
  if (level == nullptr || !pictures.missing().isEmpty()) {
    std::fprintf(stderr, "dwaalbos-screenshot: the game folder is incomplete\n");
    return 1;
  }
  QImage board;
  BoardPainter(pictures).tekenen(board, level->Vakken, true, onStart(level->Vakken), true);
  const QImage shot = board.scaled(board.size() * 2, Qt::KeepAspectRatio, Qt::FastTransformation);
  return shot.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
