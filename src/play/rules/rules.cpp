// The player's move: the step onto the next cell, rides over arrows and what objects do.
#include "rules.h"

#include <tuple>

#include "level/texts.h"
#include "move_rules.h"

namespace dwaalbos {
namespace {

// The pause after the switch flips, so its sound and the changed board are taken in.
constexpr int kSwitchPauseMs = 200;
// A move whose way grows longer than this many pieces circles for ever.
constexpr std::size_t kEndlessWayPieces = 500;

}  // namespace

Step play(const GameState& state, GameKey key, const RuleOptions& options) {
  Step step(state);
  MoveRules(step, options).run(key);
  return step;
}

std::optional<std::pair<int, int>> startCell(const Board& board) {
  for (int c = 1; c <= 12; ++c)
    for (int r = 1; r <= 12; ++r)
      if (board.at(c, r) == cell::kStart) return std::pair(c, r);
  return std::nullopt;
}

GameState levelStart(const Doolhof& level) {
  GameState start;
  start.veld.copyPlayAreaFrom(level.Vakken);
  if (const auto cell = startCell(start.veld)) std::tie(start.col, start.row) = *cell;
  return start;
}

MoveRules::MoveRules(Step& step, const RuleOptions& options)
    : step_(step), g_(step.next), options_(options) {}

void MoveRules::run(GameKey key) {
  applyKey(key);
  if (!step_.moved) return;
  stepOff();
  if (step_.crush) {
    step_.crush->refused = refused_;
    return;
  }
  walkOn();
  if (step_.completed) return;
  tekenen();
  toetsenleeg();
}

void MoveRules::show(Shown item) {
  if (!options_.quiet) step_.shown.push_back(std::move(item));
}

void MoveRules::tekenen() {
  if (options_.quiet) return;  // a search does not copy boards it will not show
  show(shown::Redraw{g_.veld, g_.schakelaar, g_.col, g_.row, true});
}

void MoveRules::applyKey(GameKey key) {
  switch (key) {
    case GameKey::Left:
      step_.moved = g_.col != 1;
      g_.richting = Direction::Left;
      break;
    case GameKey::Right:
      step_.moved = true;
      g_.richting = Direction::Right;
      break;
    case GameKey::Up:
      step_.moved = g_.row != 1;
      g_.richting = Direction::Up;
      break;
    case GameKey::Down:
      step_.moved = true;
      g_.richting = Direction::Down;
      break;
    case GameKey::Space: flipSwitch(); return;
    case GameKey::Enter: return;
  }
  face(g_.richting);
}

void MoveRules::flipSwitch() {
  if (!Board::inPlay(g_.col, g_.row) || g_.veld.at(g_.col, g_.row) != cell::kSwitch) return;
  speelgeluid(Sample::Switch);
  g_.schakelaar = !g_.schakelaar;
  tekenen();
  show(shown::Wait{kSwitchPauseMs});
}

// The move's first step, with everything it pushes and takes.
void MoveRules::stepOff() {
  refused_ = collision(g_.col + dir::dx(g_.richting), g_.row + dir::dy(g_.richting));
}

// The walk onto the new cell, the ride's end and the level's end.
void MoveRules::walkOn() {
  if (refused_) return;
  speelgeluid(Sample::Step);
  walkPlayer(0);
  if (naGeluid_ != Sample::None) speelgeluid(naGeluid_);
  if (doorschuiven_) {
    g_.richting = nieuweRichting_;
    face(g_.richting);
    if (!lijnengetoond_) {
      volglijnen();
      speelgeluid(Sample::Ride);
    }
    g_.col = doelX_;
    g_.row = doelY_;
    bcollision(doelX_, doelY_, Arrival::AfterRide);
    tekenen();
  }
  step_.completed = gehaald_;
}

// The walk onto the next cell: five 8-pixel steps, each with the next walking frame, the first
// `blocks` cells ahead sliding along.
void MoveRules::walkPlayer(int blocks) {
  const Direction richting = g_.richting;
  if (!options_.quiet)
    show(shown::Walk{g_.veld, g_.schakelaar, g_.col, g_.row, richting, blocks,
                     options_.walkFrameMs});
  g_.col += dir::dx(richting);
  g_.row += dir::dy(richting);
}

// A push that would leave the board refuses the step where the push stands (`broken_`).
bool MoveRules::collision(int x, int y) {
  if (!Board::inPlay(x, y)) return true;
  if (cell::isArrow(g_.veld.at(x, y))) return pcollision(x, y) || broken_;
  looprichting_ = g_.richting;
  return bcollision(x, y, Arrival::Step) || broken_;
}

bool MoveRules::circleLimitReached() { return lijnen_.size() > kEndlessWayPieces && endless(); }

bool MoveRules::endless() {
  step_.endless = true;
  show(shown::Tell{texts::kOneindigTitle, texts::kOneindig, Icon::Exclamation});
  return true;
}

void MoveRules::startWalk() { walked_.fill(0); }

bool MoveRules::circles(int x, int y, Direction d) {
  const auto at = static_cast<std::size_t>((x + Board::kSide * y) * 5 + static_cast<int>(d));
  const std::uint64_t bit = 1ull << (at % 64);
  if ((walked_[at / 64] & bit) != 0) return true;
  walked_[at / 64] |= bit;
  return false;
}

// The player rides the arrows from (wX, wY) on; the whole ride is resolved before he moves.
bool MoveRules::pcollision(int& wX, int& wY) {
  looprichting_ = g_.richting;
  startWalk();
  for (;;) {
    if (circleLimitReached()) return true;
    if (!Board::inPlay(wX, wY)) return true;
    if (circles(wX, wY, looprichting_)) return endless();
    const int k = g_.veld.at(wX, wY);
    if (!cell::isArrow(k)) break;
    if (k != cell::kFourWay) looprichting_ = dir::ofArrow(k);
    lijnerbij(wX, wY, looprichting_, false);
    wX += dir::dx(looprichting_);
    wY += dir::dy(looprichting_);
  }
  nieuweRichting_ = looprichting_;
  meegevoerd_ = true;
  doelX_ = wX;
  doelY_ = wY;
  const bool refused = bcollision(wX, wY, Arrival::RideEnd);
  if (broken_) return true;
  if (refused) tekenen();
  else show(shown::Refresh{});
  if (!step_.crush) doorschuiven_ = !refused;
  return refused;
}

// What the object on (x, y) does to a player entering it; true bars him (or he was moved).
bool MoveRules::bcollision(int x, int y, Arrival arrival) {
  switch (g_.veld.at(x, y)) {
    case cell::kWall: return true;
    case cell::kBlueGate: return !g_.schakelaar;
    case cell::kRedGate: return g_.schakelaar;
    case cell::kEnd: gehaald_ = true; return false;
    case cell::kKey: takeKey(x, y); return false;
    case cell::kKeyBlock: return !openKeyBlock(x, y);
    case cell::kPushBlock: return pushRule(x, y, arrival);
    default: return false;
  }
}

void MoveRules::takeKey(int x, int y) {
  naGeluid_ = Sample::Key;
  g_.veld.set(x, y, cell::kEmpty);
  tekenen();
  show(shown::KeyCount{++g_.sleutels});
}

bool MoveRules::openKeyBlock(int x, int y) {
  if (g_.sleutels == 0) return false;
  naGeluid_ = Sample::KeyBlock;
  tekenen();
  g_.veld.set(x, y, cell::kEmpty);
  show(shown::KeyCount{--g_.sleutels});
  return true;
}

// The player answers once the push has come to rest; either answer ends this game.
void MoveRules::zelfmoord(int x, int y) {
  const bool onPlayer = meegevoerd_ ? (doelX_ == x && doelY_ == y) : (g_.col == x && g_.row == y);
  if (!onPlayer) return;
  step_.died = true;
  speelgeluid(Sample::Crushed);
  if (meegevoerd_) {
    g_.col = doelX_;
    g_.row = doelY_;
  }
  tekenen();
  step_.crush = CrushPending{};
}

}  // namespace dwaalbos
