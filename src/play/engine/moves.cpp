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
  int x = playerCol() + dir::dx(shared_.Richting);
  int y = playerRow() + dir::dy(shared_.Richting);
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
    shared_.Richting = s_.NieuweRichting;
    face(shared_.Richting);
    if (!s_.Lijnengetoond) {
      volglijnen();
      speelgeluid(Sample::Ride);
    }
    s_.Doorschuiven = false;
    shared_.ManX = (s_.DoelX - 1) * kCellPixels;
    shared_.ManY = (s_.DoelY - 1) * kCellPixels;
    bcollision(s_.DoelX, s_.DoelY, Arrival::AfterRide);
    tekenen(true);
  }
  if (s_.Gehaald) levelEnd();
}

// The walk onto the next cell: five 8-pixel steps, each with the next walking frame, the first
// `blocks` cells ahead sliding along.
void Engine::walkPlayer(int blocks) {
  const Direction richting = shared_.Richting;
  if (!quiet_)
    show(shown::Walk{shared_.Veld, s_.Schakelaar, playerCol(), playerRow(), richting, blocks,
                     opties_.Loopvertraging});
  shared_.ManX += kCellPixels * dir::dx(richting);
  shared_.ManY += kCellPixels * dir::dy(richting);
  shared_.Kant = dir::facingRow(richting);
  shared_.Stap = shared_.Stap != 0 ? 0 : 40;  // five frame switches
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
  if (cell::isArrow(shared_.Veld.at(x, y))) return pcollision(x, y);
  s_.Looprichting = shared_.Richting;
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
  s_.Looprichting = shared_.Richting;
  for (;;) {
    if (circleLimitReached()) return true;
    if (wX == 0 || wX == 13 || wY == 0 || wY == 13) return true;
    const int k = shared_.Veld.at(wX, wY);
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
  switch (shared_.Veld.at(x, y)) {
    case cell::kWall: return true;
    case cell::kBlueGate: return !s_.Schakelaar;
    case cell::kRedGate: return s_.Schakelaar;
    case cell::kEnd: s_.Gehaald = true; return false;
    case cell::kKey: takeKey(x, y); return false;
    case cell::kKeyBlock: return !openKeyBlock(x, y);
    case cell::kPushBlock: return pushRule(x, y, arrival);
    default: return false;
  }
}

void Engine::takeKey(int x, int y) {
  s_.NaGeluid = Sample::Key;
  shared_.Veld.set(x, y, cell::kEmpty);
  tekenen(true);
  show(shown::KeyCount{++s_.sleutels});
}

bool Engine::openKeyBlock(int x, int y) {
  if (s_.sleutels == 0) return false;
  s_.NaGeluid = Sample::KeyBlock;
  tekenen(true);
  shared_.Veld.set(x, y, cell::kEmpty);
  show(shown::KeyCount{--s_.sleutels});
  return true;
}

}  // namespace dwaalbos
