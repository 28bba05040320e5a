// Push blocks: chains tried on a copy of the board, carried over arrows run by run.
#include <stdexcept>

#include "engine.h"
#include "level/texts.h"

namespace dwaalbos {
namespace {

// Far more steps than any way over a 12 x 12 board can take without circling.
constexpr int kArrowWalkLimit = 4 * 144;

}  // namespace

bool Engine::pushRule(int x, int y, Arrival arrival) {
  // A ride's end cell is emptied on arrival, so a block there on the second look is a block
  // set back onto the player, who has then died already; the rule leaves it alone.
  if (arrival == Arrival::AfterRide) return true;
  s_.Blokteller = 0;
  const Direction d = s_.Looprichting;
  if (pbcollision(x, y, s_.Looprichting)) return true;
  g_.veld.set(x, y, cell::kEmpty);
  if (arrival == Arrival::RideEnd) {
    voerpbuit(x, y, d);
    return false;
  }
  speelgeluid(Sample::Step);
  walkPlayer(s_.Blokrijen[1]);
  const int n = s_.Blokrijen[1];
  const int frontX = x + n * dir::dx(d);
  const int frontY = y + n * dir::dy(d);
  if (s_.Blokrijen.size() - 1 > 1) voerpbuit(frontX, frontY, d);
  else g_.veld.set(frontX, frontY, cell::kPushBlock);
  return true;
}

bool Engine::pbcollision(int pbX, int pbY, Direction& deRichting) {
  s_.Blokrijen.assign(s_.Meegevoerd ? 2 : 1, 0);
  s_.Schaduwveld.copyPlayAreaFrom(g_.veld);
  for (bool first = true;; first = false) {
    if (circleLimitReached()) return true;
    if (pbX > 12 || pbY > 12 || pbX < 1 || pbY < 1) return true;
    const int k = s_.Schaduwveld.at(pbX, pbY);
    if ((k >= cell::kWall && k <= cell::kKeyBlock) || k == cell::kUnused) return true;
    if (k == cell::kPushBlock) {
      ++s_.Blokteller;
      if (first) s_.Schaduwveld.set(pbX, pbY, cell::kEmpty);
    } else if (cell::isArrow(k)) {
      if (s_.Blokteller != 0) {
        s_.Blokrijen.push_back(s_.Blokteller);
        s_.Blokteller = 0;
      }
      if (k != cell::kFourWay) deRichting = dir::ofArrow(k);
    } else {
      s_.Blokrijen.push_back(s_.Blokteller);
      speelgeluid(Sample::PushAccepted);
      return false;
    }
    lijnerbij(pbX, pbY, deRichting, true);
    pbX += dir::dx(deRichting);
    pbY += dir::dy(deRichting);
  }
}

void Engine::voerpbuit(int vpbx, int vpby, Direction vpbrichting) {
  volglijnen();
  speelgeluid(Sample::Step);
  int f = 1;
  if (s_.Meegevoerd) {
    speelgeluid(Sample::Ride);
    f = 0;
  }
  if (vpbrichting == Direction::None) vpbrichting = g_.richting;
  laatstepijl(vpbx, vpby, vpbrichting);
  const int n = static_cast<int>(s_.Blokrijen.size()) - 1;
  if (s_.Blokrijen[2] == 0) {
    duwblokken(vpbx, vpby, vpbrichting, 1, 0);
    return;
  }
  for (int i = 2; i <= n; ++i) {
    const int run = s_.Blokrijen[static_cast<std::size_t>(i)];
    duwblokken(vpbx, vpby, vpbrichting, run + 1, i == n ? 1 - f : 2 - f);
    vpbx += (run + f) * dir::dx(vpbrichting);
    vpby += (run + f) * dir::dy(vpbrichting);
    laatstepijl(vpbx, vpby, vpbrichting);
    f = 1;
  }
}

void Engine::laatstepijl(int& x, int& y, Direction& d) {
  bool passed = false;
  for (int steps = 0;; ++steps) {
    // The trial push refuses endless ways before this walk; the bound only guards the board.
    if (steps > kArrowWalkLimit) throw std::out_of_range("arrow walk");
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
}

void Engine::duwblokken(int dux, int duy, Direction durichting, int ablok, int min) {
  for (int i = 1; i <= ablok - min; ++i) {
    const int x = dux + i * dir::dx(durichting);
    const int y = duy + i * dir::dy(durichting);
    g_.veld.set(x, y, cell::kPushBlock);
    if (outcome_.question) afterCrush_.emplace_back(x, y);
    zelfmoord(x, y);
  }
}

}  // namespace dwaalbos
