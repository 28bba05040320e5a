// Push blocks: chains tried on a copy of the board, carried over arrows run by run.
#include "move_rules.h"

namespace dwaalbos {
namespace {

// Far more steps than any way over a 12 x 12 board can take without circling.
constexpr int kArrowWalkLimit = 4 * 144;

}  // namespace

bool MoveRules::pushRule(int x, int y, Arrival arrival) {
  // A ride's end cell is emptied on arrival, so a block there on the second look is a block
  // set back onto the player, who has then died already; the rule leaves it alone.
  if (arrival == Arrival::AfterRide) return true;
  blokteller_ = 0;
  const Direction d = looprichting_;
  if (pbcollision(x, y, looprichting_)) return true;
  g_.veld.set(x, y, cell::kEmpty);
  if (arrival == Arrival::RideEnd) {
    voerpbuit(x, y, d);
    return false;
  }
  speelgeluid(Sample::Step);
  walkPlayer(blokrijen_[0]);
  const int n = blokrijen_[0];
  const int frontX = x + n * dir::dx(d);
  const int frontY = y + n * dir::dy(d);
  if (blokrijen_.size() > 1) voerpbuit(frontX, frontY, d);
  else if (Board::inPlay(frontX, frontY)) g_.veld.set(frontX, frontY, cell::kPushBlock);
  else broken_ = true;
  return true;
}

bool MoveRules::pbcollision(int pbX, int pbY, Direction& deRichting) {
  blokrijen_.assign(meegevoerd_ ? 1 : 0, 0);
  Board schaduwveld = g_.veld;  // the board the trial push walks on
  startWalk();
  for (bool first = true;; first = false) {
    if (circleLimitReached()) return true;
    if (!Board::inPlay(pbX, pbY)) return true;
    // The first cell is emptied once passed: coming back to it is no circle.
    if (!first && circles(pbX, pbY, deRichting)) return endless();
    const int k = schaduwveld.at(pbX, pbY);
    if ((k >= cell::kWall && k <= cell::kKeyBlock) || k == cell::kUnused) return true;
    if (k == cell::kPushBlock) {
      ++blokteller_;
      if (first) schaduwveld.set(pbX, pbY, cell::kEmpty);
    } else if (cell::isArrow(k)) {
      if (blokteller_ != 0) {
        blokrijen_.push_back(blokteller_);
        blokteller_ = 0;
      }
      if (k != cell::kFourWay) deRichting = dir::ofArrow(k);
    } else {
      blokrijen_.push_back(blokteller_);
      speelgeluid(Sample::PushAccepted);
      return false;
    }
    lijnerbij(pbX, pbY, deRichting, true);
    pbX += dir::dx(deRichting);
    pbY += dir::dy(deRichting);
  }
}

void MoveRules::voerpbuit(int vpbx, int vpby, Direction vpbrichting) {
  volglijnen();
  speelgeluid(Sample::Step);
  int f = 1;
  if (meegevoerd_) {
    speelgeluid(Sample::Ride);
    f = 0;
  }
  if (vpbrichting == Direction::None) vpbrichting = g_.richting;
  if (!laatstepijl(vpbx, vpby, vpbrichting)) return;
  const std::size_t last = blokrijen_.size() - 1;
  if (blokrijen_[1] == 0) {
    duwblokken(vpbx, vpby, vpbrichting, 1, 0);
    return;
  }
  for (std::size_t i = 1; i <= last; ++i) {
    const int run = blokrijen_[i];
    duwblokken(vpbx, vpby, vpbrichting, run + 1, i == last ? 1 - f : 2 - f);
    vpbx += (run + f) * dir::dx(vpbrichting);
    vpby += (run + f) * dir::dy(vpbrichting);
    if (broken_ || !laatstepijl(vpbx, vpby, vpbrichting)) return;
    f = 1;
  }
}

// Walks the arrows from (x, y) to the last one; false (and the step broken) when the walk
// leaves the board or circles, which the trial push should have refused already.
bool MoveRules::laatstepijl(int& x, int& y, Direction& d) {
  bool passed = false;
  for (int steps = 0;; ++steps) {
    if (steps > kArrowWalkLimit || !Board::contains(x, y)) {
      broken_ = true;
      return false;
    }
    const int k = g_.veld.at(x, y);
    if (!cell::isArrow(k)) break;
    if (k != cell::kFourWay) d = dir::ofArrow(k);
    x += dir::dx(d);
    y += dir::dy(d);
    passed = true;
  }
  if (passed) {
    x -= dir::dx(d);
    y -= dir::dy(d);
  }
  return true;
}

void MoveRules::duwblokken(int dux, int duy, Direction durichting, int ablok, int min) {
  for (int i = 1; i <= ablok - min; ++i) {
    const int x = dux + i * dir::dx(durichting);
    const int y = duy + i * dir::dy(durichting);
    if (!Board::contains(x, y)) {
      broken_ = true;
      return;
    }
    g_.veld.set(x, y, cell::kPushBlock);
    if (step_.crush) step_.crush->setAfter.emplace_back(x, y);
    zelfmoord(x, y);
  }
}

}  // namespace dwaalbos
