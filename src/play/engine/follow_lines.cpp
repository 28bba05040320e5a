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
  show(shown::Bars{{s_.Lijnen.begin() + 1, s_.Lijnen.end()}, opties_.Lijnvertraging});
  toetsenleeg();
}

}  // namespace dwaalbos
