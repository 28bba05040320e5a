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
    show(shown::FollowDelay{});
  }
  s_.Lijnengetoond = true;
  shown::Bars bars{{}, opties_.Lijnvertraging};
  for (std::size_t i = 1; i < s_.Lijnen.size(); ++i) {
    const Lijnstuk& piece = s_.Lijnen[i];
    bars.pieces.push_back({piece.LijnX, piece.LijnY, piece.Lijnrichting, piece.Isblok});
  }
  show(std::move(bars));
  toetsenleeg();
}

}  // namespace dwaalbos
