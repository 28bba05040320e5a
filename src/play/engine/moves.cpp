// The player's move: the step onto the next cell, rides over arrows and what objects do.
#include <stdexcept>

#include "engine.h"
#include "level/texts.h"

namespace dwaalbos {

// The move's first step, with everything it pushes and takes.
void Engine::stepOff() {
  s_.Lijnen.resize(1);
  s_.Lijnengetoond = false;
  s_.NaGeluid = Sample::None;
  int x = g_.col + dir::dx(g_.richting);
  int y = g_.row + dir::dy(g_.richting);
  refused_ = collision(x, y);
}

// The walk onto the new cell, the ride's end and the level's end.
void Engine::walkOn() {
  if (refused_) return;
  if (s_.Gestopt) {
    // The move ended the game: a push at the end of a ride landed on the player.
    if (s_.DirectOpnieuw) {
      s_.DirectOpnieuw = false;
      request(Start::Beginnen);
      return;
    }
    host().closeWindow();
    if (outcome_.question) return;  // "Zeker weten?" decides once it is answered
    if (!stopRequested_) s_.Gestopt = false;
    return;
  }
  speelgeluid(Sample::Step);
  walkPlayer(0);
  if (s_.NaGeluid != Sample::None) speelgeluid(s_.NaGeluid);
  if (s_.Doorschuiven) {
    g_.richting = s_.NieuweRichting;
    face(g_.richting);
    if (!s_.Lijnengetoond) {
      volglijnen();
      speelgeluid(Sample::Ride);
    }
    s_.Doorschuiven = false;
    g_.col = s_.DoelX;
    g_.row = s_.DoelY;
    bcollision(s_.DoelX, s_.DoelY, Arrival::AfterRide);
    tekenen(true);
  }
  if (s_.Gehaald) levelEnd();
}

// The walk onto the next cell: five 8-pixel steps, each with the next walking frame, the first
// `blocks` cells ahead sliding along.
void Engine::walkPlayer(int blocks) {
  const Direction richting = g_.richting;
  if (!quiet_)
    show(shown::Walk{g_.veld, g_.schakelaar, g_.col, g_.row, richting, blocks,
                     opties_.Loopvertraging});
  g_.col += dir::dx(richting);
  g_.row += dir::dy(richting);
}

bool Engine::collision(int& x, int& y) {
  s_.Meegevoerd = false;
  if (!Board::contains(x, y)) return true;
  // Any board index out of range while the step is resolved refuses the step.
  try {
    return collisionUnchecked(x, y);
  } catch (const std::out_of_range&) {
    return true;
  }
}

bool Engine::collisionUnchecked(int& x, int& y) {
  if (cell::isArrow(g_.veld.at(x, y))) return pcollision(x, y);
  s_.Looprichting = g_.richting;
  return bcollision(x, y, Arrival::Step);
}

bool Engine::circleLimitReached() {
  if (s_.Lijnen.size() - 1 <= 500) return false;
  outcome_.endless = true;
  show(shown::Tell{texts::kOneindigTitle, texts::kOneindig, Icon::Exclamation});
  return true;
}

// The player rides the arrows from (wX, wY) on; the whole ride is resolved before he moves.
bool Engine::pcollision(int& wX, int& wY) {
  s_.Looprichting = g_.richting;
  for (;;) {
    if (circleLimitReached()) return true;
    if (wX == 0 || wX == 13 || wY == 0 || wY == 13) return true;
    const int k = g_.veld.at(wX, wY);
    if (!cell::isArrow(k)) break;
    if (k != cell::kFourWay) s_.Looprichting = dir::ofArrow(k);
    lijnerbij(wX, wY, s_.Looprichting, false);
    wX += dir::dx(s_.Looprichting);
    wY += dir::dy(s_.Looprichting);
  }
  s_.NieuweRichting = s_.Looprichting;
  s_.Meegevoerd = true;
  s_.DoelX = wX;
  s_.DoelY = wY;
  const bool refused = bcollision(wX, wY, Arrival::RideEnd);
  if (refused) tekenen(true);
  else show(shown::Refresh{});
  if (!s_.Gestopt) s_.Doorschuiven = !refused;
  return refused;
}

// What the object on (x, y) does to a player entering it; true bars him (or he was moved).
bool Engine::bcollision(int x, int y, Arrival arrival) {
  switch (g_.veld.at(x, y)) {
    case cell::kWall: return true;
    case cell::kBlueGate: return !g_.schakelaar;
    case cell::kRedGate: return g_.schakelaar;
    case cell::kEnd: s_.Gehaald = true; return false;
    case cell::kKey: takeKey(x, y); return false;
    case cell::kKeyBlock: return !openKeyBlock(x, y);
    case cell::kPushBlock: return pushRule(x, y, arrival);
    default: return false;
  }
}

void Engine::takeKey(int x, int y) {
  s_.NaGeluid = Sample::Key;
  g_.veld.set(x, y, cell::kEmpty);
  tekenen(true);
  show(shown::KeyCount{++g_.sleutels});
}

bool Engine::openKeyBlock(int x, int y) {
  if (g_.sleutels == 0) return false;
  s_.NaGeluid = Sample::KeyBlock;
  tekenen(true);
  g_.veld.set(x, y, cell::kEmpty);
  show(shown::KeyCount{--g_.sleutels});
  return true;
}

}  // namespace dwaalbos
