#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "game_state.h"
#include "level/doolhof.h"
#include "play_types.h"
#include "shown.h"

namespace dwaalbos {

// What the rules need of the player's options.
struct RuleOptions {
  bool followLines = true;  // `volglijnen`: the way over arrows is played back as bars
  int lineDelayMs = 0;      // `Lijnvertraging`: 0 until the first playback makes it 20
  int walkFrameMs = 0;      // `Loopvertraging`
  bool quiet = false;       // show nothing: a search only wants the next state
};

// Single moves for a search or a check: nothing shown, no follow lines.
inline constexpr RuleOptions kQuietRules{.followLines = false, .quiet = true};

// The player was crushed by his own push: "Zelfmoord" waits for its answer, and the move
// goes on from here once it is given.
struct CrushPending {
  bool refused = false;  // the step was refused: after the answer the player does not walk
  std::vector<std::pair<int, int>> setAfter;  // blocks the push set down after the crush
};

// One key played by the rules.
struct Step {
  Step() = default;
  explicit Step(const GameState& from) : next(from) {}

  GameState next;
  std::vector<Shown> shown;   // in order; empty for a quiet step
  bool moved = false;         // a move key was accepted (`Bewogen`)
  bool died = false;          // a pushed block came to rest on the player
  bool endless = false;       // the way circled and the move was refused ("Oneindig")
  bool completed = false;     // the end square was reached
  bool lineDelaySet = false;  // the first playback made the line delay 20
  std::optional<CrushPending> crush;
};

// The rules of one key as a function of the game: no window, no files, no history. A step
// that neither completed the level nor crushed the player ends with the board shown and the
// keys forgotten; the game's flow around it (the level's end, the answer to the crush) is the
// caller's.
Step play(const GameState& state, GameKey key, const RuleOptions& options);

// The start square: the leftmost column first, then the topmost row.
std::optional<std::pair<int, int>> startCell(const Board& board);
// The level as it starts, the player on its start square.
GameState levelStart(const Doolhof& level);

}  // namespace dwaalbos
