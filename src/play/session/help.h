#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

#include "background_job.h"
#include "level_play.h"
#include "play/solver/tip.h"

namespace dwaalbos {

// The states a search for a level's shortest way looks at before it gives up.
inline constexpr std::size_t kShortestStates = 4'000'000;

// What the player asks of a game under way: a tip or the way to the end; or what the game
// asks of a level that starts: its shortest way from its start. Everything the searches need
// is copied, so that they can run while the game's window goes on.
struct HelpQuestion {
  enum class Kind { Tip, Solution, Shortest };
  Kind kind = Kind::Tip;
  GameState now;
  GameState levelStart;
  std::string known;  // a way known to complete the level from its start, or empty
  // The states this attempt went through to `now`, oldest first, as far as they are kept, and
  // the steps Game::rewind takes to each.
  std::vector<GameState> way;
  std::vector<std::size_t> steps;
};

struct HelpAnswer {
  enum class Kind {
    Tip,      // `tip` is a step
    Moves,    // `moves` completes the level from here (from its start, when the shortest was
              // asked)
    WayBack,  // the level is lost from here; Game::rewind(`steps`) goes back to where it can
              // still be won
    Lost,     // lost, and no position of this attempt can still be won (or the level cannot
              // be completed at all, when the shortest was asked)
    TooHard,  // the search gave up before it knew
    Stopped,  // the player stopped it
  };
  Kind kind = Kind::Stopped;
  Tip tip;
  std::string moves;
  std::size_t steps = 0;
};

// The question about the level's play as it stands.
HelpQuestion helpQuestion(HelpQuestion::Kind kind, const LevelPlay& play, std::string known);
// Answers it; a stop requested ends it within a few milliseconds.
HelpAnswer answerHelp(const HelpQuestion& question, std::stop_token stop);

// The last of `way` from which `winnable` accepts, when the first is one: a position reached
// from a lost one is lost too, so halving the range each time finds it in about log2 searches.
std::optional<std::size_t> lastWinnable(std::span<const GameState> way,
                                        const std::function<bool(const GameState&)>& winnable);

// One help search at a time, beside the window that asked, and the work of answering
// `question` there.
using HelpJob = BackgroundJob<HelpAnswer>;
HelpJob::Work helpWork(HelpQuestion question);

}  // namespace dwaalbos
