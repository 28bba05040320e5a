#pragma once

#include <optional>
#include <string>
#include <vector>

#include "play/session/game.h"

namespace dwaalbos {

// A play window without a window: it plays a list of keys, answers every question the same
// way and records what the player would have heard and read. The command-line tool and the
// tests play through it.
class HeadlessHost {
 public:
  struct Event {
    int sound = 0;  // a sample slot, or 0 for a dialog
    std::string title;
    std::string text;
    std::string answer;  // "yes", "no" or "ok"
  };

  HeadlessHost(SharedState& shared, bool answerYes);
  virtual ~HeadlessHost() = default;

  Game& game() { return game_; }
  const Game& game() const { return game_; }
  // Starts `level` and plays the keys: L left, R right, U up, D down, S space, Z undo,
  // Y redo; each letter is one pass. False when the level cannot be read or started.
  bool play(const LevelRef& level, const std::string& keys);
  // True when the game ended by its own rules rather than by running out of keys.
  bool ended() const { return ended_; }

  const std::vector<Event>& events() const { return events_; }
  int keyCount() const { return keyCount_; }
  const std::string& title() const { return title_; }
  const std::string& nameCaption() const { return nameCaption_; }
  const std::string& makerCaption() const { return makerCaption_; }
  const Introduction& introduction() const { return introduction_; }
  int introductions() const { return introductions_; }
  // Board pictures drawn: a walk draws five.
  int redraws() const { return redraws_; }
  int barsDrawn() const { return bars_; }
  bool boardCleared() const { return cleared_; }
  // How the last completed level went, as the cleared board would show it.
  const std::optional<shown::Result>& result() const { return result_; }
  bool wentToEditor() const { return toEditor_; }
  const std::vector<std::string>& opened() const { return opened_; }
  // The new maze asked for after a generated level, which a window would make now.
  const std::optional<shown::NextMaze>& nextMaze() const { return nextMaze_; }
  void clearEvents() { events_.clear(); }

  // Plays what the session showed since it was last asked: a window's introduction is
  // dismissed at once and a move counts as seen at once.
  void follow();

 protected:
  // The keys found pressed in the pass about to run: the letter's.
  virtual KeySet keysOfPass();

 private:
  void playShown(const std::vector<Shown>& items);
  void playLetter();
  void answerQuestions();

  const LevelSets& sets_;
  Game game_;
  bool answerYes_;
  std::string keys_;
  std::size_t next_ = 0;
  bool keysExhausted_ = false;
  bool ended_ = false;
  std::vector<Event> events_;
  int keyCount_ = 0;
  std::string title_;
  std::string nameCaption_;
  std::string makerCaption_;
  Introduction introduction_;
  int introductions_ = 0;
  int redraws_ = 0;
  int bars_ = 0;
  bool cleared_ = false;
  std::optional<shown::Result> result_;
  bool toEditor_ = false;
  std::vector<std::string> opened_;
  std::optional<shown::NextMaze> nextMaze_;
};

}  // namespace dwaalbos
