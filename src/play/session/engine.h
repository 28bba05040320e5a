#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "history.h"
#include "level/cell_codes.h"
#include "level/shared_state.h"
#include "level_ref.h"
#include "play/rules/game_state.h"
#include "play/rules/play_types.h"
#include "play/rules/rules.h"
#include "play/rules/shown.h"
#include "play_state.h"
#include "progress_port.h"

namespace dwaalbos {

// The game in three layers, none of them with a window system in it:
// - the rules (rules.h): `play`, a pure function from a game and a key to the next game, what
//   it shows and how the move ended; a crush comes back as data;
// - this session above them: the level being played (`start`; a test play's level carries its
//   way back), the flow from introduction to the level's end, its questions and answers, the
//   history (undo, redo, restart), the replay of a solution at the walking pace, and the
//   writes of progress and best results through a port;
// - the front ends (the Qt play window, dwaalbos-tool, the tests): they hand in the keys and
//   the answers and play what the session showed, which they take after every call.
//
// The session's flow is one Phase: a level is introduced, played pass by pass, paused while
// another control has the input, presented by the host after each move, stopped by a question
// until it is answered, and ended. A replay plays given moves for the player to watch and puts
// him back where he stood.
//
// The session never calls a front end: everything it wants done (a box, the introduction, the
// menu, the editor) is a shown item. A front end runs the game pass by pass from its own event
// loop, each pass one call with the keys found pressed. Games started from inside a
// game (restart, next level, a level opened while one runs) do not nest: the request ends the
// running game and the engine starts the new one once the pass is over, so any number of
// games in a row run in constant stack.
// Where the session is in a game's life.
enum class Phase {
  Idle,          // no game: none started yet, or the last one is over
  Introduction,  // the level's introduction is shown; verder() plays it
  Playing,       // each pass reads the keys
  Paused,        // another control has the input: keys are not read
  Presenting,    // the front end still shows the last move; presented() ends it
  Asking,        // a question waits for its answer: no key and no command acts
  Ended,         // the game was stopped; it is cleaned up once the call under way returns
  Replaying,     // given moves play one a pass for the player to watch; any key stops them
};

// The shortest way known for standard level `number`, or nothing.
using KnownWays = std::string_view (*)(int number);

// What a pass played: what it showed and the presses it used up (the keys it read as a move or
// that stopped a replay); the presses of the others wait for the next pass.
struct PassResult {
  std::vector<Shown> shown;
  KeySet used;
};

class Engine {
 public:
  explicit Engine(SharedState& shared, KnownWays known = nullptr);

  const PlayState& state() const { return s_; }
  // The options that change play; the next move plays with them.
  void setPlayOptions(const PlayOptions& options) { options_ = options; }
  const PlayOptions& playOptions() const { return options_; }
  // What the session showed since this was last asked, in order, for the front end to play.
  std::vector<Shown> takeShown() { return std::exchange(shown_, {}); }
  // Best results and progress go to `port` from now on instead of the game folder's files.
  void keepProgressIn(ProgressPort& port) { progress_ = &port; }

  // Commands of the play window and the screens around it.
  // Starts `level`, ending any game under way; false (and nothing changed) when it cannot be
  // read or a question waits for its answer.
  bool start(const LevelRef& level);
  // The level being played, or last played, and its content as read when it started.
  const LevelRef& level() const { return level_; }
  // A way known to complete it from its start: a standard level's shortest, or the one the
  // editor found for the level it tests; empty when none is known.
  std::string_view knownWay() const;
  const Doolhof& doolhof() const { return doolhof_; }
  void verder();     // the introduction screen was dismissed: play
  void overnieuw();  // restart the level (after "Zeker weten?"); undone like a move
  void leeg();       // empty the board and its captions
  void naareditor(bool completed = false);  // leave test play for the editor
  void end();                               // end the running game without a new one
  Phase phase() const { return phase_; }
  // A game is on the board: started and not yet cleaned up.
  bool gameRunning() const;
  // One pass of the game, run by the front end whenever a key may have changed, a move has
  // been shown or the pause ended, with the keys it found down or pressed: a move when one of
  // them moves. A game ended in the pass is cleaned up and a start asked for in it runs before
  // the pass returns. A pass that moved leaves the phase Presenting until presented().
  PassResult pass(KeySet keys);
  // The front end has shown the last move: the next pass may read keys.
  void presented();
  // Another control takes the input (true) or gives it back; the title says so.
  void pauze(bool on);
  // The player leaves the level (the play window's close handler, or the crush answered No):
  // shows Leaving, pauses, then returns to the editor during a test play or asks
  // "Zeker weten?"; a Yes ends the game and shows ToMenu.
  void leave();
  // Takes the last move back, or plays the move last taken back again; false when there is
  // none or no game runs. After a crush answered "Nee", taking back brings the game back as it
  // was before the crushing move, as after "Ja" it takes the restart back.
  bool zetTerug();
  bool zetOpnieuw();
  // Goes back to the state `steps` steps before the last one (History::back), in one step that
  // can be taken back; false when there is none or no game runs.
  bool rewind(std::size_t steps);
  // Plays `keys` from the position now, one move a pass at the walking pace, then puts the
  // player back where he stood; any key stops it sooner. Nothing of it is kept: no history,
  // no progress, no best result, no level end. False when no game is being played.
  bool replay(std::vector<GameKey> keys);
  // The player's answer to the question that stopped the game (lastMove().question); the move
  // and its pass then go on, and may stop at the next question.
  void answer(bool yes);
  const History& history() const { return history_; }

  // The game as the rules play it: the board, the player's cell and facing, switch, keys.
  const GameState& gameState() const { return g_; }
  // The level as it starts, the player on its start square.
  GameState levelStart() const;
  // Puts the game in `state`: the board, the player on his cell facing his way, switch, keys.
  void setGameState(const GameState& state);
  const MoveOutcome& lastMove() const { return outcome_; }

  // Forgets the keys pressed until now (`toetsenleeg`).
  void toetsenleeg();

 private:
  enum class Start { None, Begi, Beginnen };
  // What the pending question decides.
  enum class Asked { None, Crush, Next, SetEnd, Leave };

  // The move a pass plays. What it shows is kept in outcome_ until the host presents it;
  // `start` is the game as it found it, until the move is recorded for undo.
  struct Move {
    std::optional<GameState> start;
  };
  struct Replay {
    GameState from;  // where the player is put back
    std::vector<GameKey> keys;
    std::size_t next = 0;
  };
  // The game as it was before the push that crushed the player, kept after "Nee" cleared the
  // board, for the undo that brings it back.
  struct Crushed {
    GameState before;
    History history;
  };

  void show(Shown item) { shown_.push_back(std::move(item)); }
  bool inMove() const { return move_.has_value(); }
  // The phase the game is in under a presentation or a question, and the one it returns to.
  Phase life() const;
  void enter(Phase phase);
  void markEnded();
  void setPaused(bool on);
  bool mayTakeBack();
  void replayPass(KeySet keys);

  void endReplay();
  void tekenen(bool verversen);
  void speelgeluid(Sample sample) { show(shown::Sound{sample}); }
  void face(Direction richting, bool firstFrame = false) {
    show(shown::Face{richting, firstFrame});
  }
  void request(Start start);
  void settle();
  std::optional<Doolhof> read(const LevelRef& level) const;
  void doBegi();
  void takeLevel(Doolhof level);
  void beginnen();
  // Puts the player on the board's start square: the leftmost column first, then the topmost
  // row. Without one he stays where he stood.
  void placeOnStart();
  void startGame();
  void cleanUp();
  void playPass(KeySet keys);
  void showPause();
  void endMove();
  void closePass();
  void ask(Asked what, const std::string& title, const std::string& text);
  void settleAnswer(Asked asked, bool yes);
  void settleCrush(bool yes);
  void undoCrush();
  void showCaptions();
  void settleLeave(bool yes);
  void takeStep(Step step);
  void walkAfterCrush();
  RuleOptions ruleOptions() const;
  void beginMove();
  void recordMove();
  void restoreMove(const std::optional<GameState>& state);
  void showMoves();
  void levelEnd();
  void saveProgress(bool secondSet, std::int16_t next);
  void offerNext(const std::string& text);
  void setEndAnswered(bool yes);
  void endAndClear();
  std::string levelTitle() const;

  SharedState& shared_;
  KnownWays known_;
  LevelRef level_;
  Doolhof doolhof_;  // the level as read when it started
  PlayState s_;
  PlayOptions options_;
  History history_;
  ProgressFiles files_;
  ProgressPort* progress_;
  GameState g_;
  MoveOutcome outcome_;
  std::vector<Shown> shown_;  // what the front end has not taken yet
  KeySet used_;
  std::optional<Move> move_;
  std::optional<Replay> replay_;
  CrushPending crush_;                    // what the move does once "Zelfmoord" is answered
  std::optional<GameState> restartFrom_;  // the game the restart asked for leaves
  std::optional<Crushed> crushed_;
  Asked asked_ = Asked::None;
  Start pending_ = Start::None;
  Phase phase_ = Phase::Idle;
  Phase resume_ = Phase::Idle;  // what Presenting and Asking return to
  bool driving_ = false;        // a pass, an answer or a start runs: starts asked for wait for it
};

}  // namespace dwaalbos
