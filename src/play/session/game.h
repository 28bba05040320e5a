#pragma once

#include <string_view>
#include <vector>

#include "level/shared_state.h"
#include "level_play.h"
#include "level_ref.h"
#include "progress_port.h"

namespace dwaalbos {

// The game in three layers, none of them with a window system in it:
// - the rules (rules.h): `play`, a pure function from a game and a key to the next game, what
//   it shows and how the move ended; a crush comes back as data;
// - the session above them: this game, the flow from level to level (which level, the sets
//   and the progress through them, the next level, collections, generated levels, the level
//   end's questions), and the play of one level it owns (level_play.h);
// - the front ends (the Qt play window, dwaalbos-tool, the tests): they read the level, hand
//   it in with the keys and the answers, and play what the session showed, which they take
//   after every call.
//
// The session never calls a front end: everything it wants done (a box, the introduction, the
// menu, the editor, the next generated level) is a shown item. Games started from inside a
// game (restart, next level, a level opened while one runs) do not nest: the request ends the
// running game and the new one starts once the call under way is over, so any number of games
// in a row run in constant stack.

// The shortest way known for standard level `number`, or nothing.
using KnownWays = std::string_view (*)(int number);

// What a pass played: what it showed and the presses it used up (the keys it read as a move or
// that stopped a replay); the presses of the others wait for the next pass.
struct PassResult {
  std::vector<Shown> shown;
  KeySet used;
};

class Game {
 public:
  explicit Game(SharedState& shared, KnownWays known = nullptr);

  // The level being played: its board, history, phase and last move.
  const LevelPlay& play() const { return play_; }
  // The options that change play; the next move plays with them.
  void setPlayOptions(const PlayOptions& options) { play_.setPlayOptions(options); }
  // What the session showed since this was last asked, in order, for the front end to play.
  std::vector<Shown> takeShown() { return play_.takeShown(); }
  // Best results and progress go to `port` from now on instead of the game folder's files.
  void keepProgressIn(ProgressPort& port) { progress_ = &port; }

  // Starts `level`, ending any game under way; false (and nothing changed) when it carries no
  // content or a question waits for its answer.
  bool start(const LevelRef& level);
  // The level being played, or last played, with its content as handed in.
  const LevelRef& level() const { return level_; }
  // A way known to complete it from its start: a standard level's shortest, or the one the
  // editor found for the level it tests; empty when none is known.
  std::string_view knownWay() const;
  void verder();     // the introduction screen was dismissed: play
  void overnieuw();  // restart the level (after "Zeker weten?"); undone like a move
  void naareditor(bool completed = false);  // leave test play for the editor
  void end();                               // end the running game without a new one
  // One pass of the game, run by the front end whenever a key may have changed, a move has
  // been shown or the pause ended, with the keys it found down or pressed: a move when one of
  // them moves. A game ended in the pass is cleaned up and a start asked for in it runs before
  // the pass returns. A pass that moved leaves the phase Presenting until presented().
  PassResult pass(KeySet keys);
  // The front end has shown the last move: the next pass may read keys.
  void presented() { play_.presented(); }
  // Another control takes the input (true) or gives it back; the title says so.
  void pauze(bool on);
  // The player chose another language: the level's texts beside the board and in the title.
  void retell() { play_.retell(); }
  // The player leaves the level (the play window's close handler, or the crush answered No):
  // shows Leaving, pauses, then returns to the editor during a test play or asks
  // "Zeker weten?"; a Yes ends the game and shows ToMenu.
  void leave();
  // Takes the last move back, or plays the move last taken back again; false when there is
  // none or no game runs. After a crush answered "Nee", taking back brings the game back as it
  // was before the crushing move, as after "Ja" it takes the restart back.
  bool zetTerug() { return play_.zetTerug(); }
  bool zetOpnieuw() { return play_.zetOpnieuw(); }
  // Goes back to the state `steps` steps before the last one (History::back), in one step that
  // can be taken back; false when there is none or no game runs.
  bool rewind(std::size_t steps) { return play_.rewind(steps); }
  // Plays `keys` from the position now, one move a pass at the walking pace, then puts the
  // player back where he stood; any key stops it sooner. Nothing of it is kept: no history,
  // no progress, no best result, no level end. False when no game is being played.
  bool replay(std::vector<GameKey> keys);
  // The player's answer to the question that stopped the game (play().lastMove().question);
  // the move and its pass then go on, and may stop at the next question.
  void answer(bool yes);
  // Forgets the keys pressed until now (`toetsenleeg`).
  void toetsenleeg() { play_.toetsenleeg(); }

 private:
  enum class Start { None, Begi, Beginnen };
  // What the pending question decides.
  enum class Asked { None, Crush, Next, SetEnd, Leave };

  void request(Start start);
  void settle();
  void playPass(KeySet keys);
  void takeStep(const Step& step);
  void ask(Asked what, const std::string& title, const std::string& text);
  void settleAnswer(Asked asked, bool yes);
  void settleNext(bool yes);
  void walkAfterCrush();
  void settleLeave(bool yes);
  void levelEnd();
  void offerAfter(int before);
  void saveProgress(bool secondSet, std::int16_t next);
  void offerNext(const char* text);  // a marked text
  void setEndAnswered(bool yes);

  SharedState& shared_;
  KnownWays known_;
  LevelRef level_;
  ProgressFiles files_;
  ProgressPort* progress_;
  LevelPlay play_;
  KeySet used_;
  Asked asked_ = Asked::None;
  Start pending_ = Start::None;
  bool driving_ = false;  // a pass, an answer or a start runs: starts asked for wait for it
};

}  // namespace dwaalbos
