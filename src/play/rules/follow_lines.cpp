// The follow lines: the way of a move over arrows, recorded and played back as bars.
#include "move_rules.h"

namespace dwaalbos {

void MoveRules::lijnerbij(int x, int y, Direction richting, bool isblok) {
  lijnen_.push_back({x, y, richting, isblok});
}

void MoveRules::volglijnen() {
  if (!options_.followLines) return;
  if (options_.lineDelayMs == 0) {
    options_.lineDelayMs = 20;
    step_.lineDelaySet = true;
    show(shown::FollowDelay{});
  }
  lijnengetoond_ = true;
  show(shown::Bars{lijnen_, options_.lineDelayMs});
  toetsenleeg();
}

}  // namespace dwaalbos
