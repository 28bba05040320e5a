#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "game.h"
#include "help.h"

namespace dwaalbos {

// The help a player asks for during a game: a tip, the way back to where the level can still
// be won, or the solution played for him to watch. The search runs beside the front end, which
// goes on drawing; its answer is for the game it was asked about only.
class PlayerHelp {
 public:
  explicit PlayerHelp(Game& game) : game_(game) {}

  // Searches about the game as it stands; `answered` runs on the search's thread once take()
  // has the answer. False when no game runs or a search is under way.
  bool ask(HelpQuestion::Kind kind, std::function<void()> answered);
  bool searching() const { return asked_.has_value(); }
  // The player stopped the search, or the game went.
  void stop();
  // Ends the search and gives its answer, unless the game changed meanwhile (a move taken
  // back, another level). A solution found already plays (Game::replay).
  std::optional<HelpAnswer> take();

 private:
  // The game the search is about.
  struct Asked {
    GameState now;
    std::size_t depth = 0;
  };

  Game& game_;
  std::optional<Asked> asked_;
  HelpJob job_;  // last: its search ends before the rest goes
};

}  // namespace dwaalbos
