#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "history.h"
#include "level/doolhof.h"
#include "play/rules/game_state.h"
#include "play/rules/play_types.h"
#include "play/rules/rules.h"
#include "play/rules/shown.h"
#include "play_state.h"

namespace dwaalbos {

// Where a game is in its life.
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

// One level's play: the board as the rules play it, its history, the phase of the attempt,
// its moves, undo and redo, the crush's way back and the replay of given moves. It knows
// nothing of which level comes next; the game (game.h) that owns it decides that, asks the
// questions and starts the levels. Everything it shows is kept for the front end in order.
class LevelPlay {
 public:
  const PlayState& state() const { return s_; }
  const PlayOptions& playOptions() const { return options_; }
  void setPlayOptions(const PlayOptions& options) { options_ = options; }
  // The level as handed in when it started.
  const Doolhof& doolhof() const { return doolhof_; }
  Phase phase() const { return phase_; }
  // The phase the game is in under a presentation or a question, and the one it returns to.
  Phase life() const;
  // A game is on the board: started and not yet cleaned up.
  bool gameRunning() const;
  const History& history() const { return history_; }
  // The game as the rules play it: the board, the player's cell and facing, switch, keys.
  const GameState& gameState() const { return g_; }
  // The level as it starts, the player on its start square.
  GameState levelStart() const;
  const MoveOutcome& lastMove() const { return outcome_; }

  void show(Shown item) { shown_.push_back(std::move(item)); }
  std::vector<Shown> takeShown() { return std::exchange(shown_, {}); }

  // The level begins (`begi`): its introduction is shown, unless it is restarted or has no
  // texts, when it is played at once.
  void begi(const Doolhof& level, bool standard = false);
  void beginnen();  // the board appears and play begins
  void presented();
  void markEnded();
  // Stops the game; a restart asked for is dropped.
  void stop();
  // Ends a stopped game; true when the level is to begin again.
  bool cleanUp();
  void setPaused(bool on);
  // The language changed: the level's name, comment and title are shown again in the new one.
  void retell();
  void showPause();
  // Asks `question` under the move; answered() takes it away and the game goes on.
  void ask(Question question);
  void answered();

  // A move by `key`: the rules' step, taken into the game and shown, returned for the game to
  // decide what follows (a crush waits for its answer, a completion ends the level).
  Step move(GameKey key);
  bool inMove() const { return move_.has_value(); }
  void recordMove();
  void endMove();
  // The next key is read once the player has seen this move.
  void closePass();
  void toetsenleeg() { show(shown::FlushKeys{}); }

  bool zetTerug();
  bool zetOpnieuw();
  bool rewind(std::size_t steps);
  bool replay(std::vector<GameKey> keys);
  void replayPass(KeySet keys);

  // The restart of `overnieuw`: taken back like a move when a game runs.
  void prepareRestart();
  // The crush's answer: Yes restarts from the move's end, No empties the board.
  void settleCrush(bool yes);
  bool crushRefused() const { return crush_.refused; }
  // The crushing move went on over arrows and restarts at once.
  bool takeDirectOpnieuw() { return std::exchange(s_.DirectOpnieuw, false); }
  void leeg();  // empty the board and its captions
  void endAndClear();
  // The player left: nothing of the crush can be taken back.
  void abandon();
  void markCompleted() { outcome_.completed = true; }

 private:
  // The move a pass plays; `start` is the game as it found it, until the move is recorded.
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

  void enter(Phase phase);
  bool mayTakeBack();
  void endReplay();
  void tekenen(bool verversen);
  void face(Direction richting, bool firstFrame = false) {
    show(shown::Face{richting, firstFrame});
  }
  void takeLevel(const Doolhof& level, bool standard);
  // Puts the player on the board's start square: the leftmost column first, then the topmost
  // row. Without one he stays where he stood.
  void placeOnStart();
  void startGame();
  void showCaptions();
  void takeTexts();
  void undoCrush();
  RuleOptions ruleOptions() const;
  void beginMove();
  void restoreMove(const std::optional<GameState>& state);
  void setGameState(const GameState& state);
  void showMoves();
  std::string levelTitle() const;

  Doolhof doolhof_;
  bool standard_ = false;  // one of the game's own levels, its texts translated
  PlayState s_;
  PlayOptions options_;
  History history_;
  GameState g_;
  MoveOutcome outcome_;
  std::vector<Shown> shown_;  // what the front end has not taken yet
  std::optional<Move> move_;
  std::optional<Replay> replay_;
  CrushPending crush_;                    // what the move does once "Zelfmoord" is answered
  std::optional<GameState> restartFrom_;  // the game the restart asked for leaves
  std::optional<Crushed> crushed_;
  Phase phase_ = Phase::Idle;
  Phase resume_ = Phase::Idle;  // what Presenting and Asking return to
};

}  // namespace dwaalbos
