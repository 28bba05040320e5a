#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "rules.h"

namespace dwaalbos {

// The working parts of `play`: one object per key, the state of the move in its members.
class MoveRules {
 public:
  // Plays into `step`, whose `next` holds the game as the key finds it.
  MoveRules(Step& step, const RuleOptions& options);
  void run(GameKey key);

 private:
  // How the player comes onto a cell: a plain step, the end of a ride over arrows, or that
  // end once more after the ride was walked. Only a push block tells them apart.
  enum class Arrival { Step, RideEnd, AfterRide };

  void show(Shown item);
  void tekenen();
  void speelgeluid(Sample sample) { show(shown::Sound{sample}); }
  void face(Direction richting) { show(shown::Face{richting, false}); }
  void toetsenleeg() { show(shown::FlushKeys{}); }
  void applyKey(GameKey key);
  void flipSwitch();
  void stepOff();
  void walkOn();
  void walkPlayer(int blocks);
  bool collision(int x, int y);
  bool pcollision(int& wX, int& wY);
  bool bcollision(int x, int y, Arrival arrival);
  bool circleLimitReached();
  bool endless();
  void startWalk();
  bool circles(int x, int y, Direction d);
  void takeKey(int x, int y);
  bool openKeyBlock(int x, int y);
  bool pushRule(int x, int y, Arrival arrival);
  bool pbcollision(int pbX, int pbY, Direction& deRichting);
  void voerpbuit(int vpbx, int vpby, Direction vpbrichting);
  bool laatstepijl(int& x, int& y, Direction& d);
  void duwblokken(int dux, int duy, Direction durichting, int ablok, int min);
  void zelfmoord(int x, int y);
  void lijnerbij(int x, int y, Direction richting, bool isblok);
  void volglijnen();

  Step& step_;
  GameState& g_;
  RuleOptions options_;
  bool refused_ = false;       // the first step was refused, or pushed without walking on
  bool broken_ = false;        // a push ran off the board: the step is refused where it stands
  bool meegevoerd_ = false;    // the player rides over arrows in this move
  bool doorschuiven_ = false;  // the ride was accepted: jump to its end after walking
  bool gehaald_ = false;       // the end square was reached
  Direction looprichting_ = Direction::None;    // direction of the move being resolved
  Direction nieuweRichting_ = Direction::None;  // facing after the ride
  int doelX_ = 0;                               // where the ride ends
  int doelY_ = 0;
  Sample naGeluid_ = Sample::None;  // sample to play after the walk
  // Blocks per straight run of a pushed chain, the run in front of the player first (0 when the
  // push ends a ride).
  std::vector<int> blokrijen_;
  int blokteller_ = 0;
  std::vector<Lijnstuk> lijnen_;  // the way of this move
  // Cell and direction at each step of the walk over arrows under way: met twice, the walk
  // circles and will reach the limit, so it is refused at once.
  std::array<std::uint64_t, (Board::kCells * 5 + 63) / 64> walked_;  // set by startWalk
  bool lijnengetoond_ = false;
};

}  // namespace dwaalbos
