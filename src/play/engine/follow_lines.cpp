// The follow lines: the way of a move over arrows, recorded and played back as bars.
#include "engine.h"

namespace dwaalbos {

void Engine::lijnerbij(int x, int y, Direction richting, bool isblok) {
  s_.Lijnen.push_back({x, y, richting, isblok});
}

void Engine::volglijnen() {
  if (!opties_.volglijnen) return;
  if (opties_.Lijnvertraging == 0) {
    opties_.Lijnvertraging = 20;
    host_.followDelayChanged();
  }
  s_.Lijnengetoond = true;
  const std::size_t n = s_.Lijnen.size() - 1;
  for (std::size_t i = 1; i <= n; ++i) {
    const Lijnstuk& piece = s_.Lijnen[i];
    // The cell spans X - 40 .. X - 1; each bar runs from its centre towards the next cell.
    const int X = piece.LijnX * kCellPixels;
    const int Y = piece.LijnY * kCellPixels;
    switch (piece.Lijnrichting) {
      case Direction::Up: host_.drawBar(X - 22, Y - 17, X - 17, Y - 62, piece.Isblok); break;
      case Direction::Left: host_.drawBar(X - 20, Y - 22, X - 60, Y - 17, piece.Isblok); break;
      case Direction::Down: host_.drawBar(X - 22, Y + 23, X - 17, Y - 22, piece.Isblok); break;
      case Direction::Right: host_.drawBar(X - 20, Y - 22, X + 20, Y - 17, piece.Isblok); break;
      default: break;
    }
    host_.refresh();
    host_.sleep(opties_.Lijnvertraging);
  }
  toetsenleeg();
}

}  // namespace dwaalbos
