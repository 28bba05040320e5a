// Draws a standard level half-way through its shortest solution as the play window shows it
// at 200 %, for the software centres' screenshot.
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

#include "level/shared_state.h"
#include "platform/board_painter.h"
#include "platform/pictures.h"
#include "play/headless/headless_host.h"
#include "play/solver/solver.h"

int main(int argc, char** argv) {
  using namespace dwaalbos;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: dwaalbos-screenshot <game folder> <level number> <out.png>\n");
    return 2;
  }
  SharedState shared(argv[1]);
  shared.readLevelSets();
  const int number = std::atoi(argv[2]);
  const Doolhof* level = shared.sets.byNumber(number);
  const Pictures pictures(QString::fromLocal8Bit(argv[1]));
  if (level == nullptr || !pictures.missing().isEmpty()) {
    std::fprintf(stderr, "dwaalbos-screenshot: the game folder is incomplete\n");
    return 1;
  }
  const std::string moves = solve(*level).moves;
  HeadlessHost host(shared, false);
  if (!host.play(LevelRef::standard(number), moves.substr(0, moves.size() / 2))) return 1;

  // The player stands still, facing the way of his last move.
  const GameState& game = host.game().play().gameState();
  QImage board(960, 960, QImage::Format_RGB32);
  board.setDevicePixelRatio(2);
  BoardPainter(pictures).tekenen(
      board, game.veld, game.schakelaar,
      {(game.col - 1) * kCellPixels, (game.row - 1) * kCellPixels, 0, facingRow(game.richting)},
      true);
  return board.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
